#include "export/clearing_rows.h"

namespace kalkora {
namespace {

constexpr RowRange kRuzBalance[] = {{10, 16},   {18, 26},   {28, 38},   {41, 46},   {49, 58},   {61, 71},
                                    {73, 76},   {78, 79},   {81, 84},   {93, 97},   {99, 100},  {102, 103},
                                    {105, 107}, {109, 111}, {115, 128}, {130, 132}, {135, 146}, {148, 151},
                                    {153, 156}};
constexpr RowRange kRuzIncome[] = {{7, 7},   {9, 15},  {17, 20}, {22, 26}, {28, 32}, {36, 36}, {38, 40},
                                   {42, 44}, {46, 50}, {52, 54}, {56, 60}, {64, 66}};
constexpr RowRange kTaxBalance[] = {{8, 8},     {11, 11},   {13, 16},   {18, 19},   {22, 25},   {27, 29},
                                    {31, 32},   {34, 39},   {41, 42},   {45, 46},   {48, 51},   {54, 57},
                                    {59, 62},   {64, 66},   {68, 73},   {75, 76},   {78, 79},   {81, 83},
                                    {93, 95},   {97, 97},   {99, 103},  {105, 106}, {108, 112}, {115, 118},
                                    {122, 130}, {132, 134}, {137, 144}, {146, 152}, {154, 155}};
constexpr RowRange kTaxIncome[] = {{7, 8},   {10, 14}, {16, 16}, {18, 19}, {22, 25}, {27, 29}, {31, 35},
                                   {38, 40}, {42, 44}, {46, 48}, {50, 53}, {57, 58}, {60, 60}};

}  // namespace

std::span<const RowRange> ruzBalanceClearingRows() { return kRuzBalance; }
std::span<const RowRange> ruzIncomeClearingRows() { return kRuzIncome; }
std::span<const RowRange> taxBalanceClearingRows() { return kTaxBalance; }
std::span<const RowRange> taxIncomeClearingRows() { return kTaxIncome; }

}  // namespace kalkora
