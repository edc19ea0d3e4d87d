#include "notify/name_value_list.h"

#include <algorithm>

#include "http/markers.h"
#include "notify/codecs.h"
#include "notify/marker_text.h"
#include "text/text_rules.h"

namespace morvella {

std::unique_ptr<NameValueList> NameValueList::clone() const {
  return std::unique_ptr<NameValueList>(new NameValueList(*this));
}

void NameValueList::add(std::string_view name, std::string_view value, bool to_utf8) {
  names_.push_back(to_utf8 ? text_to_utf8_text(name) : Text(name));
  values_.push_back(to_utf8 ? text_to_utf8_text(value) : Text(value));
}

void NameValueList::add_from_query(std::string_view text, bool to_utf8) {
  // An item with several "=" keeps the text before the first and after the last.
  for (const Text& item : split(text, "&")) add(text_before_marker(item, "="), text_after_marker(item, "="), to_utf8);
}

Text NameValueList::get_value(std::string_view name) const {
  const auto found = std::find(names_.begin(), names_.end(), name);
  return found == names_.end() ? Text() : values_[static_cast<std::size_t>(found - names_.begin())];
}

void NameValueList::set_value(std::string_view name, std::string_view value) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) {
    add(name, value, false);
  } else {
    values_[static_cast<std::size_t>(found - names_.begin())] = value;
  }
}

Text NameValueList::to_form_text(bool encode) const {
  const auto form_part = [encode](const Text& part) { return encode ? url_encode(part, true, false) : part; };
  Text form;
  for (std::size_t i = 0; i < names_.size(); ++i) form += form_part(names_[i]) + "=" + form_part(values_[i]) + "&";
  if (!form.empty()) form.pop_back();
  return form;
}

Text NameValueList::to_header_text(bool encode) const {
  Text block;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (i > 0) block += "\r\n";
    block += names_[i] + ": " + (encode ? url_encode(values_[i], true, false) : values_[i]);
  }
  return block;
}

void NameValueList::copy_names(TextList& out) const { out = names_; }

void NameValueList::copy_values(TextList& out) const { out = values_; }

void NameValueList::clear() {
  names_.clear();
  values_.clear();
}

void NameValueList::remove(std::string_view name) {
  const auto found = std::find(names_.begin(), names_.end(), name);
  if (found == names_.end()) return;
  values_.erase(values_.begin() + (found - names_.begin()));
  names_.erase(found);
}

Text NameValueList::to_json_text() const {
  Text json = "{";
  for (std::size_t i = 0; i < names_.size(); ++i)
    json += "\"" + names_[i] + "\":\"" + escape_quotes(values_[i]) + "\",";
  strip_affix(json, ",");  // the comma after the last member; "{" is never an affix
  return json + "}";
}

Text NameValueList::escape_quotes(std::string_view text) const {
  return replace_pairs(text, std::nullopt, 1, false, {{"\"", "\\\""}});
}

Text NameValueList::strip_affix(Text& text, std::string_view affix) const {
  if (affix.empty()) return text;
  if (text.ends_with(affix)) text.erase(text.size() - affix.size());
  if (text.starts_with(affix)) text.erase(0, affix.size());
  return text;
}

}  // namespace morvella
