#include "files/quoted.h"

namespace {
constexpr size_t kMaxQuoted = 80;  // characters between the quotes, escapes counted as written
}

std::string Quoted(std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string quoted = "'";
  size_t i = 0;
  for (; i < text.size() && quoted.size() < 1 + kMaxQuoted; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte >= 0x7F || byte == '\\') {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 15];
    } else {
      quoted += static_cast<char>(byte);
    }
  }
  quoted += i < text.size() ? "'..." : "'";
  return quoted;
}
