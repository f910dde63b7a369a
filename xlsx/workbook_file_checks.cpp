#include "xlsx/workbook_file_checks.h"

#include <algorithm>
#include <array>

#include "platform/error.h"
#include "platform/file_system.h"

namespace kalkora {
namespace {

struct PathParts {
  std::string folder;  // with its trailing "/", or empty
  std::string name;
};

PathParts splitPath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

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

void checkNotHeldOpen(const FileSystem& files, const std::string& path) {
  const auto [folder, name] = splitPath(path);
  const std::array<std::string, 2> lockFiles = {folder + "~$" + name, folder + ".~lock." + name + "#"};
  for (const std::string& lock : lockFiles)
    if (files.fileExists(lock))
      throw Error("Sešit " + path +
                  " má otevřený jiný program (Excel nebo LibreOffice). Zavřete ho a export opakujte. Pokud sešit "
                  "nikde otevřený není, smažte soubor " + lock + ", který po programu zůstal.");
}

std::string backupPathOf(const std::string& path) {
  const auto [folder, name] = splitPath(path);
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return path + ".bak";
  return folder + name.substr(0, dot) + ".bak" + name.substr(dot);
}

}  // namespace kalkora
