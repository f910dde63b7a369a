#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// The texts of the shared string table, by index.
std::vector<std::string> parseSharedStrings(std::string_view xml, const std::string& workbook,
                                            const std::string& part);

}  // namespace kalkora
