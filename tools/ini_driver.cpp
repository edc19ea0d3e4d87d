// Replays a script of settings-file reads and writes through the private-profile seam, so the
// same script can run against the Win32 functions and against the Linux reader and writer.
//
//   ini_driver SCRIPT INI_FILE
//
// Each script line is "w SECTION KEY VALUE" or "r SECTION KEY", every field in hexadecimal
// ("-" for the empty text). Each read prints its value as one line of hexadecimal ("-" when
// empty). Reads use the program's 10,240-byte buffer.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "platform/private_profile.h"

namespace {

constexpr std::size_t kReadCapacity = 10240;

std::string from_hex(const std::string& hex) {
  if (hex == "-") return {};
  std::string bytes;
  for (std::size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return bytes;
}

std::string to_hex(const std::string& bytes) {
  if (bytes.empty()) return "-";
  std::string hex;
  char pair[3];
  for (unsigned char byte : bytes) {
    std::snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: ini_driver SCRIPT INI_FILE\n";
    return 2;
  }
  std::ifstream script(argv[1]);
  const std::string ini = argv[2];
  std::string line;
  while (std::getline(script, line)) {
    std::istringstream fields(line);
    std::string op, section, key, value;
    fields >> op >> section >> key >> value;
    if (op == "w") {
      morvella::platform::write_profile_string(from_hex(section), from_hex(key), from_hex(value), ini);
    } else if (op == "r") {
      std::cout << to_hex(morvella::platform::read_profile_string(from_hex(section), from_hex(key),
                                                                  kReadCapacity, ini))
                << '\n';
    }
  }
  return 0;
}
