#include "xlsx/workbook_format.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/error.h"
#include "platform/file_system.h"

namespace kalkora {
namespace {

std::string lowerExtension(const std::string& name) {
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos) return "";
  std::string extension = name.substr(dot);
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return extension;
}

}  // namespace

void checkWorkbookFormat(const std::string& path) {
  const std::string extension = lowerExtension(splitPath(path).name);
  constexpr std::array<std::string_view, 4> kWritable = {".xlsx", ".xlsm", ".xltx", ".xltm"};
  if (std::ranges::find(kWritable, extension) != kWritable.end()) return;
  if (extension == ".xls" || extension == ".xlt")
    throw Error("Sešit " + path +
                " je ve starém formátu aplikace Excel (.xls), do kterého nelze zapisovat. Uložte ho v Excelu "
                "jako Sešit Excelu (.xlsx) a připojte uložený soubor.");
  throw Error("Soubor " + path + " není sešit aplikace Excel ve formátu .xlsx nebo .xlsm. Uložte sešit jako .xlsx "
              "a připojte uložený soubor.");
}

}  // namespace kalkora
