#include "platform/linux/ini_text.h"

#include <vector>

#include "text/text_rules.h"

namespace morvella::platform {
namespace {

struct IniKey {
  Text name;
  std::optional<Text> value;  // none for a line without "=", such as a comment
};

struct IniSection {
  Text name;  // empty for the lines before the first section
  std::vector<IniKey> keys;
};

bool is_blank(char byte) {
  return byte == ' ' || (byte >= '\t' && byte <= '\r') || byte == '\x1A';
}

std::string_view trim_blanks(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

bool same_name(std::string_view a, std::string_view b) { return ascii_lower(a) == ascii_lower(b); }

// A line ends at LF; only the file's last line may end at a lone CR.
std::vector<std::string_view> lines_of(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    std::size_t end = content.find('\n');
    if (end == std::string_view::npos) end = content.find('\r');
    if (end == std::string_view::npos) end = content.size();
    lines.push_back(content.substr(0, end));
    content.remove_prefix(end < content.size() ? end + 1 : end);
  }
  return lines;
}

std::vector<IniSection> parse(std::string_view content) {
  std::vector<IniSection> sections(1);
  for (std::string_view line : lines_of(content)) {
    line = trim_blanks(line);
    if (line.empty()) continue;
    if (line.front() == '[') {
      const std::int64_t close = find_backward(line, "]");
      if (close > 0) {
        sections.push_back({Text(line.substr(1, static_cast<std::size_t>(close) - 2)), {}});
        continue;
      }
    }
    IniKey key;
    const std::int64_t equals = find_forward(line, "=");
    if (equals > 0) {
      key.name = trim_blanks(line.substr(0, static_cast<std::size_t>(equals) - 1));
      key.value = Text(trim_blanks(line.substr(static_cast<std::size_t>(equals))));
    } else {
      key.name = line;
    }
    // Of several nameless lines in a row only the first is kept.
    auto& keys = sections.back().keys;
    if (key.name.empty() && !keys.empty() && keys.back().name.empty()) continue;
    keys.push_back(std::move(key));
  }
  return sections;
}

Text render(const std::vector<IniSection>& sections) {
  Text content;
  for (const IniSection& section : sections) {
    if (!section.name.empty()) content += "[" + section.name + "]\r\n";
    for (const IniKey& key : section.keys) {
      content += key.name;
      if (key.value) content += "=" + *key.value;
      content += "\r\n";
    }
  }
  return content;
}

template <typename Sections>
auto* find_section(Sections& sections, std::string_view name) {
  for (auto& section : sections)
    if (!section.name.empty() && same_name(section.name, name)) return &section;
  return static_cast<decltype(&sections.front())>(nullptr);
}

template <typename Section>
auto* find_key(Section& section, std::string_view name) {
  for (auto& key : section.keys)
    if (!key.name.empty() && same_name(key.name, name)) return &key;
  return static_cast<decltype(&section.keys.front())>(nullptr);
}

std::string_view without_enclosing_quotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

std::string_view cut_to_whole_characters(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size() && end + character_width(text, end) <= limit)
    end += character_width(text, end);
  return text.substr(0, end);
}

}  // namespace

Text ini_value(std::string_view content, std::string_view section, std::string_view key,
               std::size_t capacity) {
  if (capacity == 0) return {};
  const auto sections = parse(content);
  const auto* found_section = find_section(sections, trim_blanks(section));
  if (!found_section) return {};
  const auto* found_key = find_key(*found_section, trim_blanks(key));
  if (!found_key || !found_key->value) return {};
  return Text(cut_to_whole_characters(without_enclosing_quotes(*found_key->value), capacity - 1));
}

std::optional<Text> ini_with_value(std::string_view content, std::string_view section,
                                   std::string_view key, std::string_view value) {
  auto sections = parse(content);
  IniSection* target = find_section(sections, trim_blanks(section));
  if (!target) target = &sections.emplace_back(IniSection{Text(trim_blanks(section)), {}});
  IniKey* entry = find_key(*target, trim_blanks(key));
  if (!entry) entry = &target->keys.emplace_back(IniKey{Text(trim_blanks(key)), std::nullopt});
  while (!value.empty() && is_blank(value.front())) value.remove_prefix(1);
  if (entry->value && *entry->value == value) return std::nullopt;
  entry->value = Text(value);
  return render(sections);
}

}  // namespace morvella::platform
