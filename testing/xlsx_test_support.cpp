#include "testing/xlsx_test_support.h"

#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/error.h"
#include "xlsx/zip_handles.h"

namespace kalkora::xlsx_test {

std::string errorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

ScratchFolder::ScratchFolder() {
  std::random_device random;
  folder_ = (std::filesystem::temp_directory_path() / ("kalkora-xlsx-" + std::to_string(random()))).string();
  std::filesystem::create_directories(folder_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

std::string makeKalkoraWorkbook(const std::string& path) {
  lxw_workbook* wb = workbook_new(path.c_str());
  lxw_worksheet* intro = workbook_add_worksheet(wb, "Úvod");
  lxw_worksheet* balance = workbook_add_worksheet(wb, "Rozvahy netto");
  lxw_worksheet* income = workbook_add_worksheet(wb, "Výsledovky");
  lxw_format* money = workbook_add_format(wb);
  format_set_num_format(money, "#,##0.00");
  format_set_bold(money);
  for (lxw_worksheet* sheet : {balance, income}) {
    worksheet_write_string(sheet, 0, 0, "Kalkora", nullptr);
    worksheet_write_string(sheet, 4, 5, "A.", nullptr);
    worksheet_write_number(sheet, 5, 5, 1, nullptr);
    worksheet_write_string(sheet, 6, 5, "002", nullptr);
    worksheet_write_number(sheet, 7, 5, 6, nullptr);
    worksheet_write_formula_num(sheet, 8, 5, "=F8+1", nullptr, 7);
    worksheet_write_number(sheet, 4, 6, 10, money);
    worksheet_write_number(sheet, 5, 6, 20, nullptr);
    worksheet_write_number(sheet, 6, 6, 30.5, nullptr);
    worksheet_write_formula_num(sheet, 7, 6, "=SUM(G5:G7)", money, 60.5);
    worksheet_write_formula_num(sheet, 4, 7, "=G5*2", nullptr, 20);
  }
  worksheet_write_comment(balance, 0, 0, "Poznámka");
  worksheet_write_array_formula_num(income, 1, 9, 2, 9, "{=G5:G6*2}", nullptr, 20);
  workbook_define_name(wb, "Obdobi", "='Rozvahy netto'!$G$5:$G$8");
  lxw_chart* chart = workbook_add_chart(wb, LXW_CHART_COLUMN);
  chart_add_series(chart, nullptr, "='Rozvahy netto'!$G$5:$G$7");
  worksheet_insert_chart(intro, 1, 1, chart);
  if (workbook_close(wb) != LXW_NO_ERROR) throw std::runtime_error("libxlsxwriter failed");
  return path;
}

void makeLargeKalkoraWorkbook(const std::string& path, int rows) {
  lxw_workbook* wb = workbook_new(path.c_str());
  workbook_add_worksheet(wb, "Úvod");
  for (const char* name : {"Rozvahy netto", "Výsledovky"}) {
    lxw_worksheet* sheet = workbook_add_worksheet(wb, name);
    for (int r = 0; r < rows; ++r) {
      worksheet_write_number(sheet, r, 5, r + 1, nullptr);
      for (int c = 6; c < 26; ++c) worksheet_write_number(sheet, r, c, r * 1.5 + c, nullptr);
      const std::string row = std::to_string(r + 1);
      worksheet_write_formula_num(sheet, r, 26, ("=SUM(G" + row + ":Z" + row + ")").c_str(), nullptr, 1);
      worksheet_write_formula_num(sheet, r, 27, ("=AA" + row + "/20").c_str(), nullptr, 1);
    }
  }
  // The income-statement lookup reads the name of sheet 4 as well.
  workbook_add_worksheet(wb, "Analýza");
  if (workbook_close(wb) != LXW_NO_ERROR) throw std::runtime_error("libxlsxwriter failed");
}

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void writeBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

namespace {

// The archive over a copy of the bytes, with the source it reads, which it
// shares: the caller's own reference keeps the source past the archive, for
// the bytes an archive writes on closing.
struct OpenArchive {
  ZipSource source;
  ZipArchive archive;
};

OpenArchive openArchive(const std::string& bytes, int flags) {
  OpenArchive open;
  ZipErrorScope error;
  open.source = copiedBufferSource(bytes, error.get());
  if (open.source) open.archive.reset(zip_open_from_source(open.source.get(), flags, error.get()));
  if (!open.archive) throw std::runtime_error("not a zip");
  zip_source_keep(open.source.get());
  return open;
}

std::string readEntry(zip_t* archive, zip_uint64_t i, zip_flags_t flags) {
  zip_stat_t st;
  if (zip_stat_index(archive, i, 0, &st) != 0) throw std::runtime_error("no entry");
  std::string content((flags & ZIP_FL_COMPRESSED) ? st.comp_size : st.size, '\0');
  const ZipFile file(zip_fopen_index(archive, i, flags));
  if (!file || zip_fread(file.get(), content.data(), content.size()) != static_cast<zip_int64_t>(content.size()))
    throw std::runtime_error("unreadable entry");
  return content;
}

}  // namespace

PackageView::PackageView(const std::string& bytes) {
  const OpenArchive open = openArchive(bytes, ZIP_RDONLY);
  zip_t* archive = open.archive.get();
  for (zip_int64_t i = 0; i < zip_get_num_entries(archive, 0); ++i) {
    const auto index = static_cast<zip_uint64_t>(i);
    names.emplace_back(zip_get_name(archive, index, 0));
    contents.push_back(readEntry(archive, index, 0));
    compressed.push_back(readEntry(archive, index, ZIP_FL_COMPRESSED));
  }
}

bool PackageView::has(const std::string& name) const {
  return std::find(names.begin(), names.end(), name) != names.end();
}

const std::string& PackageView::part(const std::string& name) const {
  const auto it = std::find(names.begin(), names.end(), name);
  if (it == names.end()) throw std::runtime_error("no part " + name);
  return contents[static_cast<size_t>(it - names.begin())];
}

const std::string& PackageView::raw(const std::string& name) const {
  part(name);
  return compressed[static_cast<size_t>(std::find(names.begin(), names.end(), name) - names.begin())];
}

pugi::xml_document PackageView::xml(const std::string& name) const {
  pugi::xml_document doc;
  const std::string& text = part(name);
  if (!doc.load_buffer(text.data(), text.size())) throw std::runtime_error("bad xml in " + name);
  return doc;
}

namespace {

zip_int64_t addPart(zip_t* archive, const std::string& name, const std::string& content) {
  ZipSource data(zip_source_buffer(archive, content.data(), content.size(), 0));
  const zip_int64_t index = data ? zip_file_add(archive, name.c_str(), data.get(), ZIP_FL_OVERWRITE) : -1;
  if (index < 0) throw std::runtime_error("cannot add " + name);
  data.release();  // the archive owns it now
  return index;
}

// Writes the archive and returns the package's bytes.
std::string closedPackage(OpenArchive& open) {
  if (zip_close(open.archive.get()) != 0) throw std::runtime_error("cannot write the package");
  open.archive.release();  // written and freed by zip_close
  zip_source_t* source = open.source.get();
  zip_stat_t st;
  if (zip_source_stat(source, &st) != 0) throw std::runtime_error("cannot read the package");
  std::string out(st.size, '\0');
  if (zip_source_open(source) != 0) throw std::runtime_error("cannot read the package");
  const zip_int64_t got = zip_source_read(source, out.data(), out.size());
  zip_source_close(source);
  if (got != static_cast<zip_int64_t>(out.size())) throw std::runtime_error("cannot read the package");
  return out;
}

}  // namespace

std::string withPart(const std::string& bytes, const std::string& name, const std::string& content) {
  OpenArchive open = openArchive(bytes, 0);
  addPart(open.archive.get(), name, content);
  return closedPackage(open);
}

std::string storedPackage(const std::string& name, const std::string& content) {
  OpenArchive open = openArchive("", ZIP_CREATE | ZIP_TRUNCATE);
  const zip_int64_t index = addPart(open.archive.get(), name, content);
  if (zip_set_file_compression(open.archive.get(), static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) != 0)
    throw std::runtime_error("cannot store " + name);
  return closedPackage(open);
}

}  // namespace kalkora::xlsx_test
