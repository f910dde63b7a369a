#pragma once
#include <string>
#include <string_view>

namespace kalkora {

// Windows-1250, the Czech ANSI code page, and UTF-8: the two encodings our
// text files come in. Internally every text is UTF-8.

std::u32string decodeUtf8(std::string_view utf8);  // invalid bytes become U+FFFD
std::string encodeUtf8(std::u32string_view text);
bool isValidUtf8(std::string_view bytes);

std::string cp1250ToUtf8(std::string_view bytes);
// Characters the code page cannot hold are written as "?".
std::string utf8ToCp1250(std::string_view utf8);
// Whether windows-1250 holds every character of the text, so writing it in
// that code page loses nothing.
bool fitsCp1250(std::string_view utf8);

// Calls f(code point) for each character of UTF-8 text without allocating;
// an invalid byte counts as U+FFFD.
char32_t nextCodePoint(std::string_view utf8, size_t& pos);
template <class F>
void forEachCodePoint(std::string_view utf8, F f) {
  for (size_t pos = 0; pos < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {
      ++pos;
      f(static_cast<char32_t>(b));
    } else {
      f(nextCodePoint(utf8, pos));
    }
  }
}

// The windows-1250 code of a character; a character the code page cannot hold
// counts as "?" (63), so rules written for character codes treat it alike.
unsigned char cp1250Code(char32_t c);

}  // namespace kalkora
