#pragma once
#include <string>
#include <string_view>

namespace kalkora {

// A shared formula is stored once, in its first cell; every other cell of the
// group carries the same formula moved by its distance from that cell. This
// moves a formula (without "=") by rows and columns the way the spreadsheet
// application does when it fills a formula: relative references move, the
// parts fixed with "$" stay, a reference moved off the sheet becomes #REF!.
// Text in quotes, quoted sheet names, function names and bracketed parts
// (structured references, external workbook indexes) are left as they are.
std::string shiftFormula(std::string_view formula, int rowOffset, int columnOffset);

}  // namespace kalkora
