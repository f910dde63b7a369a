#include "statements/statement_types.h"

#include <algorithm>

namespace kalkora {
namespace {

constexpr int kAssets2015[] = {1, 3, 4, 13, 23, 31, 32, 39, 48, 58, 63};
constexpr int kLiabilities2015[] = {67, 68, 69, 73, 80, 83, 87, 89, 90, 95, 106, 118, 122};
constexpr int kIncome2015[] = {3, 4, 8, 11, 12, 19, 22, 30, 33, 48, 49, 52, 55, 58, 60, 61};
constexpr int kAssets2016[] = {1, 3, 4, 6, 11, 14, 15, 20, 24, 27, 34, 37, 38, 41, 46, 47, 52, 57, 61, 68, 71, 74};
constexpr int kLiabilities2016[] = {78,  79,  80,  84,  86,  92,  95,  101, 102,
                                    107, 108, 109, 119, 123, 124, 133, 141};
constexpr int kIncome2016[] = {3, 9, 11, 14, 15, 20, 24, 30, 31, 35, 39, 43, 48, 49, 50, 53, 55, 56};
constexpr int kAssetsSk[] = {1, 2, 3, 11, 21, 33, 34, 41, 42, 53, 54, 66, 71, 74};
constexpr int kLiabilitiesSk[] = {79, 80, 81, 87, 90, 93, 97, 100, 101, 102, 103, 118, 122, 123, 136, 141};
constexpr int kIncomeSk[] = {2, 10, 15, 21, 27, 28, 29, 31, 35, 39, 45, 49, 55, 56, 57, 61};

using P = StatementPart;
constexpr CsvStatementType kTypes[] = {
    {"Rozvaha vzor 2015 - aktiva", P::Assets, 1, 66, kAssets2015},
    {"Rozvaha vzor 2015 - pasiva", P::Liabilities, 67, 124, kLiabilities2015},
    {"Výsledovka vzor 2015", P::Income, 1, 61, kIncome2015},
    {"Rozvaha vzor od 1.1.2016 - aktiva", P::Assets, 1, 77, kAssets2016},
    {"Rozvaha vzor od 1.1. 2016 - pasiva", P::Liabilities, 78, 143, kLiabilities2016},
    {"Výsledovka vzor od 1.1.2016", P::Income, 1, 56, kIncome2016},
    {"Slovenská súvaha SK - aktiva", P::Assets, 1, 78, kAssetsSk},
    {"Slovenská súvaha SK - pasiva", P::Liabilities, 79, 145, kLiabilitiesSk},
    {"Slovenská výsledovka", P::Income, 1, 61, kIncomeSk},
};

bool contains(std::span<const int> sorted, int line) { return std::binary_search(sorted.begin(), sorted.end(), line); }

}  // namespace

bool CsvStatementType::isSumLine(int line) const { return contains(sumLines, line); }

std::span<const CsvStatementType> csvStatementTypes() { return kTypes; }

const CsvStatementType* csvStatementType(int index) {
  if (index < 0 || index >= static_cast<int>(std::size(kTypes))) return nullptr;
  return &kTypes[index];
}

bool isSlovakBalanceSumLine(int line) { return contains(kAssetsSk, line) || contains(kLiabilitiesSk, line); }
bool isSlovakIncomeSumLine(int line) { return contains(kIncomeSk, line); }
bool isCzechBalanceSumLine(int line) { return contains(kAssets2016, line) || contains(kLiabilities2016, line); }
bool isCzechIncomeSumLine(int line) { return contains(kIncome2016, line); }

}  // namespace kalkora
