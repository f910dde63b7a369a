#pragma once
#include <string>

namespace kalkora {

// Target line numbers that the P 5-01 reader puts into column 0, as text;
// "0" means no target.

// Income statement of the smallest enterprises (SBS3 and SBS4): the line of
// a marking. "I." is line 7 on rows below 10 and line 48 on rows above 10.
// The markings "*" and "**" stand for several lines and take them in the
// order they appear in the file: "*" lines 36, 54 and 62, "**" lines 55 and
// 59. One object serves one load.
class P501MarkingLines {
 public:
  std::string lineFor(const std::string& marking, int row);

 private:
  int stars_ = 0;
  int doubleStars_ = 0;
};

// Assets module (SBS1 to SBS4): a fixed line by the row of the import table.
std::string p501AssetsLine(int row);

}  // namespace kalkora
