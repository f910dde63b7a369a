#include "statements/p501_targets.h"

#include <array>
#include <string_view>
#include <utility>

namespace kalkora {
namespace {

constexpr std::pair<std::string_view, std::string_view> kMarkings[] = {
    {"II.", "8"},      {"A.", "9"},       {"A.1.", "10"},    {"A.2.", "11"},    {"A.3.", "12"},   {"B.", "13"},
    {"C.", "14"},      {"D.", "15"},      {"D.1.", "16"},    {"D.2.", "17"},    {"D.2.1.", "18"}, {"D.2.2.", "19"},
    {"E.", "20"},      {"E.1.", "21"},    {"E.1.1.", "22"},  {"E.1.2.", "23"},  {"E.2.", "24"},   {"E.3.", "25"},
    {"III.", "26"},    {"III.1.", "27"},  {"III.2.", "28"},  {"III.3.", "29"},  {"F.", "30"},     {"F.1.", "31"},
    {"F.2.", "32"},    {"F.3.", "33"},    {"F.4.", "34"},    {"F.5.", "35"},    {"IV.", "37"},    {"IV.1.", "38"},
    {"IV.2.", "39"},   {"G.", "40"},      {"V.", "41"},      {"V.1.", "42"},    {"V.2.", "43"},   {"H.", "44"},
    {"VI.", "45"},     {"VI.1.", "46"},   {"VI.2.", "47"},   {"J.", "49"},      {"J.1.", "50"},   {"J.2.", "51"},
    {"VII.", "52"},    {"K.", "53"},      {"L.", "56"},      {"L.1.", "57"},    {"L.2.", "58"},   {"M.", "60"},
    {"***", "61"},
};
constexpr std::array<std::string_view, 3> kStarLines = {"36", "54", "62"};
constexpr std::array<std::string_view, 2> kDoubleStarLines = {"55", "59"};

constexpr std::string_view kAssetsLines[] = {"7",  "8",  "9",  "10", "17", "20", "0",  "30", "32", "33",
                                             "43", "44", "51", "52", "63", "80", "74", "77", "80"};

template <size_t N>
std::string nth(const std::array<std::string_view, N>& lines, int& seen) {
  const auto index = static_cast<size_t>(seen++);
  return index < N ? std::string(lines[index]) : "0";
}

}  // namespace

std::string P501MarkingLines::lineFor(const std::string& marking, int row) {
  if (marking == "I.") return row < 10 ? "7" : row > 10 ? "48" : "0";
  if (marking == "*") return nth(kStarLines, stars_);
  if (marking == "**") return nth(kDoubleStarLines, doubleStars_);
  for (const auto& [text, line] : kMarkings)
    if (marking == text) return std::string(line);
  return "0";
}

std::string p501AssetsLine(int row) {
  if (row < 1 || row > static_cast<int>(std::size(kAssetsLines))) return "0";
  return std::string(kAssetsLines[row - 1]);
}

}  // namespace kalkora
