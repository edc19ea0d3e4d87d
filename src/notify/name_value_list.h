#pragma once
// Ordered name-value pairs of Text with their form, header-block and JSON renderings.
#include <memory>
#include <string_view>

#include "text/text.h"

namespace morvella {

class NameValueList {
 public:
  NameValueList() = default;
  virtual ~NameValueList() = default;  // releases every name and value

  // The operations in their fixed order; `clone` is the copy, the destructor is `destroy`.
  virtual std::unique_ptr<NameValueList> clone() const;
  virtual void add(std::string_view name, std::string_view value, bool to_utf8 = false);
  virtual void add_from_query(std::string_view text, bool to_utf8 = false);
  virtual Text get_value(std::string_view name) const;
  virtual void set_value(std::string_view name, std::string_view value);
  virtual Text to_form_text(bool encode = false) const;
  virtual Text to_header_text(bool encode = false) const;
  virtual void copy_names(TextList& out) const;
  virtual void copy_values(TextList& out) const;
  virtual void clear();
  virtual void remove(std::string_view name);
  virtual Text to_json_text() const;
  virtual Text escape_quotes(std::string_view text) const;
  virtual Text strip_affix(Text& text, std::string_view affix) const;

 protected:
  NameValueList(const NameValueList&) = default;
  NameValueList& operator=(const NameValueList&) = default;

 private:
  // Always the same length: the value at i belongs to the name at i.
  TextList names_;
  TextList values_;
};

}  // namespace morvella
