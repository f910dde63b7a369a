#include "platform/cp1250.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <unordered_map>

namespace kalkora {
namespace {

// 0x80..0xFF. The five bytes the code page leaves undefined map to the C1
// control of the same number, as Windows does, so they survive a round trip.
constexpr std::array<char16_t, 128> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,  // 98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,  // A8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,  // B8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,  // C0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,  // C8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,  // D0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,  // D8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,  // E0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,  // E8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,  // F0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,  // F8
};

const std::unordered_map<char32_t, unsigned char>& reverseTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> t;
    for (int i = 0; i < 128; ++i) t.emplace(kHigh[i], static_cast<unsigned char>(0x80 + i));
    return t;
  }();
  return table;
}

// Length of the UTF-8 sequence starting at s[i] and its code point, or 0 when
// the bytes there do not form a valid, shortest-form sequence.
int utf8Sequence(std::string_view s, size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  int len;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) {
    len = 2, cp = b0 & 0x1F, min = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3, cp = b0 & 0x0F, min = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4, cp = b0 & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (int k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

char32_t nextCodePoint(std::string_view utf8, size_t& pos) {
  char32_t cp;
  const int len = utf8Sequence(utf8, pos, cp);
  pos += len == 0 ? 1 : static_cast<size_t>(len);
  return len == 0 ? U'\uFFFD' : cp;
}

std::u32string decodeUtf8(std::string_view utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    char32_t cp;
    const int len = utf8Sequence(utf8, i, cp);
    if (len == 0) {
      out += U'\uFFFD';
      ++i;
    } else {
      out += cp;
      i += len;
    }
  }
  return out;
}

std::string encodeUtf8(std::u32string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char32_t c : text) appendUtf8(out, c);
  return out;
}

bool isValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    // Eight plain ASCII bytes at a time: most of a source file is ASCII.
    std::uint64_t word;
    if (i + 8 <= bytes.size() && (std::memcpy(&word, bytes.data() + i, 8), (word & 0x8080808080808080ull) == 0)) {
      i += 8;
      continue;
    }
    if (static_cast<unsigned char>(bytes[i]) < 0x80) {
      ++i;
      continue;
    }
    char32_t cp;
    const int len = utf8Sequence(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

std::string cp1250ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80)
      out += ch;
    else
      appendUtf8(out, kHigh[b - 0x80]);
  }
  return out;
}

std::string utf8ToCp1250(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (char32_t c : decodeUtf8(utf8)) out += static_cast<char>(cp1250Code(c));
  return out;
}

bool fitsCp1250(std::string_view utf8) { return cp1250ToUtf8(utf8ToCp1250(utf8)) == utf8; }

unsigned char cp1250Code(char32_t c) {
  if (c < 0x80) return static_cast<unsigned char>(c);
  const auto& table = reverseTable();
  const auto it = table.find(c);
  return it == table.end() ? '?' : it->second;
}

}  // namespace kalkora
