#include "core/visible_text.hpp"

#include <cstdint>

namespace tarvex {
namespace {

// Characters that show as nothing or as a blank: the C1 controls, the
// no-break and typographic spaces, the zero-width and direction marks, the
// soft hyphen, the byte-order mark and the like.
bool Invisible(std::uint32_t c) {
  return c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0xA0) || c == 0xAD || c == 0x34F ||
         c == 0x61C || c == 0x115F || c == 0x1160 || c == 0x1680 || c == 0x180E ||
         (c >= 0x2000 && c <= 0x200F) || (c >= 0x2028 && c <= 0x202F) ||
         (c >= 0x205F && c <= 0x206F) || c == 0x3000 || c == 0x3164 ||
         (c >= 0xFE00 && c <= 0xFE0F) || c == 0xFEFF || c == 0xFFA0 ||
         (c >= 0xFFF9 && c <= 0xFFFB) || (c >= 0xE0000 && c <= 0xE0FFF);
}

// The UTF-8 character at the start of `s`: its code point and length, or a
// length of 0 when the bytes are not one (a stray or cut byte, an over-long
// form, a surrogate).
std::size_t Decode(std::string_view s, std::uint32_t* c) {
  const auto b0 = static_cast<unsigned char>(s[0]);
  std::size_t n = 0;
  std::uint32_t v = 0;
  if (b0 < 0x80) {
    *c = b0;
    return 1;
  } else if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
    v = b0 & 0x1FU;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    v = b0 & 0x0FU;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    v = b0 & 0x07U;
  } else {
    return 0;
  }
  if (s.size() < n) return 0;
  for (std::size_t i = 1; i < n; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0U) != 0x80U) return 0;
    v = (v << 6U) | (b & 0x3FU);
  }
  if ((n == 3 && v < 0x800) || (n == 4 && (v < 0x10000 || v > 0x10FFFF)) ||
      (v >= 0xD800 && v <= 0xDFFF)) {
    return 0;
  }
  *c = v;
  return n;
}

void AppendHex(std::string* out, std::uint32_t v, int digits) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (int i = digits - 1; i >= 0; --i) {
    out->push_back(kHex[(v >> (4U * static_cast<unsigned>(i))) & 0xFU]);
  }
}

}  // namespace

std::string VisibleText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    std::uint32_t c = 0;
    const std::size_t n = Decode(text, &c);
    if (n == 0) {
      out += "<0x";
      AppendHex(&out, static_cast<unsigned char>(text[0]), 2);
      out += '>';
      text.remove_prefix(1);
      continue;
    }
    if (Invisible(c)) {
      out += "<U+";
      AppendHex(&out, c, c > 0xFFFF ? 5 : 4);
      out += '>';
    } else {
      out.append(text.substr(0, n));
    }
    text.remove_prefix(n);
  }
  return out;
}

bool IsVisibleText(std::string_view text) {
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b >= 0x7F) return VisibleText(text) == text;
  }
  return true;
}

}  // namespace tarvex
