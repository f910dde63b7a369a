#pragma once
// Helpers of the xlsx tests: a scratch folder, Kalkora-like workbooks made
// with libxlsxwriter, and a plain libzip + pugixml view of a package that
// does not go through the code under test.
#include <functional>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace kalkora::xlsx_test {

// The message of the Error the action raises, "" when it raises none.
std::string errorOf(const std::function<void()>& action);

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::string path(const std::string& name) const { return folder_ + "/" + name; }

 private:
  std::string folder_;
};

// A workbook laid out as Kalkora's: "Úvod" with a chart, "Rozvahy netto" and
// "Výsledovky" with markings in column F (texts, numbers, a formula with the
// cached result 7 in F9 of both), a styled number in G5, G8 = SUM(G5:G7)
// with cached 60, a formula in H5 (=G5*2, cached 20), a comment, a defined
// name, and on "Výsledovky" an array formula in J2:J3. Returns its path.
std::string makeKalkoraWorkbook(const std::string& path);

// A large variant for the benchmarks: rows numbered rows on both statement
// sheets with numbers and formulas, and an empty fourth sheet.
void makeLargeKalkoraWorkbook(const std::string& path, int rows);

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);

// The package read directly: entry names in stored order, each part's bytes.
struct PackageView {
  std::vector<std::string> names;
  std::vector<std::string> contents;
  std::vector<std::string> compressed;  // raw stored bytes
  explicit PackageView(const std::string& bytes);
  bool has(const std::string& name) const;
  const std::string& part(const std::string& name) const;
  const std::string& raw(const std::string& name) const;
  pugi::xml_document xml(const std::string& name) const;
};

// The package with one part's content replaced (or added), built with libzip.
std::string withPart(const std::string& bytes, const std::string& name, const std::string& content);
// A package of one part stored as it is, so that its packed size is its size.
std::string storedPackage(const std::string& name, const std::string& content);

}  // namespace kalkora::xlsx_test
