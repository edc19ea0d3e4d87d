#include "platform/autostart.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace morvella::platform {
namespace {

namespace fs = std::filesystem;

// XDG_CONFIG_HOME when it is an absolute path, else ~/.config; empty when neither is known.
fs::path autostart_entry_path() {
  fs::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && fs::path(xdg).is_absolute()) {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    config = fs::path(home) / ".config";
  } else {
    return {};
  }
  return config / "autostart" / "morvella.desktop";
}

// A desktop entry's string value: backslashes and control characters become escapes.
std::string escape_value(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      default: out += c;
    }
  }
  return out;
}

// One quoted Exec argument; '%' is doubled so it is not read as a field code.
std::string exec_argument(const std::string& path) {
  std::string out = "\"";
  for (const char c : path) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
    if (c == '%') out += '%';
  }
  return out + "\"";
}

// The entry as enable_autostart writes it, or empty when the program's paths are unknown.
std::string expected_entry() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  if (error) return {};
  const fs::path directory = fs::current_path(error);
  if (error) return {};
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Morvella\n"
         "Exec=" + escape_value(exec_argument(program.string())) + "\n"
         "Path=" + escape_value(directory.string()) + "\n";
}

}  // namespace

bool enable_autostart() {
  const fs::path path = autostart_entry_path();
  const std::string entry = expected_entry();
  if (path.empty() || entry.empty()) return false;
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  if (error) return false;
  // Written aside and renamed, so a session starting meanwhile never reads half an entry.
  const fs::path partial = fs::path(path) += ".partial";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << entry;
    if (!out.flush()) return false;
  }
  fs::rename(partial, path, error);
  if (!error) return true;
  fs::remove(partial, error);
  return false;
}

bool disable_autostart() {
  const fs::path path = autostart_entry_path();
  if (path.empty()) return true;
  std::error_code error;
  fs::remove(path, error);
  return !error;
}

bool autostart_is_current() {
  const fs::path path = autostart_entry_path();
  if (path.empty()) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string entry{std::istreambuf_iterator<char>(in), {}};
  const std::string expected = expected_entry();
  return !expected.empty() && entry == expected;
}

}  // namespace morvella::platform
