#include "xlsx/zip_package.h"

#include <libdeflate.h>
#include <zip.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "xlsx/deflated_part.h"
#include "platform/error.h"

namespace kalkora {
namespace {

enum class Inflated { NotDeflated, Failed, Done };

// A deflated part is read compressed and inflated by libdeflate, several
// times faster than libzip's own zlib path; the size and CRC from the
// directory are checked as libzip would. NotDeflated for any other kind of
// entry.
Inflated inflateDeflated(zip_t* archive, std::int64_t index, const zip_stat_t& st,
                         const std::function<char*(size_t)>& into) {
  const zip_uint64_t needed = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
  if ((st.valid & needed) != needed || st.comp_method != ZIP_CM_DEFLATE) return Inflated::NotDeflated;
  if ((st.valid & ZIP_STAT_ENCRYPTION_METHOD) && st.encryption_method != ZIP_EM_NONE) return Inflated::NotDeflated;
  std::string compressed(st.comp_size, '\0');
  zip_int64_t got = -1;
  {
    const ZipFile file(zip_fopen_index(archive, static_cast<zip_uint64_t>(index), ZIP_FL_COMPRESSED));
    if (!file) return Inflated::Failed;
    got = zip_fread(file.get(), compressed.data(), compressed.size());
  }
  if (got != static_cast<zip_int64_t>(compressed.size())) return Inflated::Failed;
  const std::unique_ptr<libdeflate_decompressor, decltype(&libdeflate_free_decompressor)> decompressor(
      libdeflate_alloc_decompressor(), &libdeflate_free_decompressor);
  if (!decompressor) return Inflated::Failed;
  char* content = into(st.size);
  size_t inflated = 0;
  if (libdeflate_deflate_decompress(decompressor.get(), compressed.data(), compressed.size(), content, st.size,
                                    &inflated) != LIBDEFLATE_SUCCESS ||
      inflated != st.size || libdeflate_crc32(0, content, st.size) != st.crc)
    return Inflated::Failed;
  return Inflated::Done;
}

std::string mebibytes(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

// A libzip source of data compressed already: its stat names deflate with
// size and CRC, so libzip writes the bytes as they are.
struct DeflatedSource {
  explicit DeflatedSource(DeflatedPart p) : part(std::move(p)) {}
  DeflatedPart part;
  std::uint64_t offset = 0;
  zip_error_t error;
};

zip_int64_t deflatedSourceCallback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
  auto* source = static_cast<DeflatedSource*>(state);
  switch (command) {
    case ZIP_SOURCE_OPEN:
      source->offset = 0;
      return 0;
    case ZIP_SOURCE_READ: {
      const std::uint64_t n = std::min<std::uint64_t>(length, source->part.data.size() - source->offset);
      std::memcpy(data, source->part.data.data() + source->offset, n);
      source->offset += n;
      return static_cast<zip_int64_t>(n);
    }
    case ZIP_SOURCE_CLOSE:
      return 0;
    case ZIP_SOURCE_STAT: {
      auto* st = static_cast<zip_stat_t*>(data);
      zip_stat_init(st);
      st->valid = ZIP_STAT_SIZE | ZIP_STAT_COMP_SIZE | ZIP_STAT_COMP_METHOD | ZIP_STAT_CRC;
      st->size = source->part.size;
      st->comp_size = source->part.data.size();
      st->comp_method = ZIP_CM_DEFLATE;
      st->crc = source->part.crc;
      return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
      return zip_error_to_data(&source->error, data, length);
    case ZIP_SOURCE_FREE:
      zip_error_fini(&source->error);
      delete source;
      return 0;
    case ZIP_SOURCE_SUPPORTS:
      return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE, ZIP_SOURCE_STAT,
                                            ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
    default:
      zip_error_set(&source->error, ZIP_ER_OPNOTSUPP, 0);
      return -1;
  }
}

ZipSource deflatedSource(zip_t* archive, DeflatedPart part) {
  auto state = std::make_unique<DeflatedSource>(std::move(part));
  zip_error_init(&state->error);
  ZipSource source(zip_source_function(archive, deflatedSourceCallback, state.get()));
  if (!source) {
    zip_error_fini(&state->error);
    return source;
  }
  state.release();  // the source frees it (ZIP_SOURCE_FREE)
  return source;
}

}  // namespace

ZipPackage::ZipPackage(std::string bytes, std::string path, PackageLimits limits)
    : bytes_(std::move(bytes)), path_(std::move(path)), limits_(limits) {
  const std::string notAPackage =
      "Soubor " + path_ + " není platný sešit aplikace Excel (.xlsx, .xlsm) nebo je poškozený.";
  // libzip would open no bytes as an empty archive.
  if (bytes_.empty()) throw Error(notAPackage);
  {
    // The bytes as opened must stay for the backup, so libzip gets a copy.
    ZipErrorScope error;
    source_ = copiedBufferSource(bytes_, error.get());
    if (source_) archive_.reset(zip_open_from_source(source_.get(), 0, error.get()));
  }
  if (!archive_) throw Error(notAPackage);
  // The archive holds the source now; our own reference keeps it for save().
  zip_source_keep(source_.get());
  const zip_int64_t count = zip_get_num_entries(archive_.get(), 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* name = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), 0);
    if (name != nullptr) index_.emplace(partKey(name), i);
  }
  checkLimits();
}

void ZipPackage::checkLimits() const {
  // The stored bytes of the entries lie side by side in the file: sizes that
  // add up to more than the file are forged, and trusting them would allocate
  // what they claim before the read fails.
  std::uint64_t stored = 0;
  for (const auto& [name, i] : index_) {
    zip_stat_t st;
    if (zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0) continue;
    const std::string part = zip_get_name(archive_.get(), static_cast<zip_uint64_t>(i), 0);
    if (st.valid & ZIP_STAT_COMP_SIZE) {
      stored += std::min<std::uint64_t>(st.comp_size, bytes_.size() + 1);
      if (stored > bytes_.size()) throw Error("Sešit " + path_ + " je poškozený: část " + part + " nelze přečíst.");
    }
    if ((st.valid & ZIP_STAT_SIZE) && st.size > limits_.maxPartSize)
      throw Error("Sešit " + path_ + " nelze otevřít: část " + part + " má po rozbalení " + mebibytes(st.size) +
                  ", víc než povolených " + mebibytes(limits_.maxPartSize) + ".");
    if ((st.valid & ZIP_STAT_SIZE) && (st.valid & ZIP_STAT_COMP_SIZE) && st.size > limits_.ratioGraceSize &&
        st.size > limits_.maxRatio * std::max<zip_uint64_t>(st.comp_size, 1))
      throw Error("Sešit " + path_ + " nelze otevřít: část " + part + " je podezřele silně zkomprimovaná (" +
                  std::to_string(st.size / std::max<zip_uint64_t>(st.comp_size, 1)) + " : 1, povoleno nejvýš " +
                  std::to_string(limits_.maxRatio) + " : 1).");
  }
}

std::string ZipPackage::partKey(std::string_view part) {
  if (part.starts_with('/')) part.remove_prefix(1);
  std::string name(part);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
  return name;
}

std::int64_t ZipPackage::indexOf(std::string_view part) const {
  const auto it = index_.find(partKey(part));
  if (it == index_.end() || removed_.count(it->second)) return -1;
  return it->second;
}

bool ZipPackage::contains(std::string_view part) const { return indexOf(part) >= 0; }

std::string ZipPackage::read(std::string_view part) const {
  std::string content;
  readInto(part, [&](size_t size) {
    content.resize(size);
    return content.data();
  });
  return content;
}

XmlText ZipPackage::readXml(std::string_view part) const {
  XmlText text;
  readInto(part, [&](size_t size) {
    text = XmlText(size);
    return text.bytes.get();
  });
  return text;
}

void ZipPackage::readInto(std::string_view part, const std::function<char*(size_t)>& into) const {
  const std::int64_t i = indexOf(part);
  const std::string damaged = "Sešit " + path_ + " je poškozený: část " + std::string(part) + " ";
  if (i < 0) throw Error(damaged + "chybí.");
  if (const auto it = replaced_.find(i); it != replaced_.end()) {
    std::memcpy(into(it->second.size()), it->second.data(), it->second.size());
    return;
  }
  zip_stat_t st;
  if (zip_stat_index(archive_.get(), static_cast<zip_uint64_t>(i), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
    throw Error(damaged + "nelze přečíst.");
  if (const Inflated inflated = inflateDeflated(archive_.get(), i, st, into); inflated != Inflated::NotDeflated) {
    if (inflated == Inflated::Failed) throw Error(damaged + "nelze přečíst.");
    return;
  }
  const ZipFile file(zip_fopen_index(archive_.get(), static_cast<zip_uint64_t>(i), 0));
  if (!file) throw Error(damaged + "nelze přečíst.");
  // Never more than the size checked against the limits, whatever the data holds.
  const zip_int64_t got = zip_fread(file.get(), into(st.size), st.size);
  char extra;
  const zip_int64_t more = zip_fread(file.get(), &extra, 1);
  if (got != static_cast<zip_int64_t>(st.size) || more != 0) throw Error(damaged + "nelze přečíst.");
}

void ZipPackage::replace(std::string_view part, std::string content) {
  const std::int64_t i = indexOf(part);
  if (i < 0) throw Error("Sešit " + path_ + " je poškozený: část " + std::string(part) + " chybí.");
  replaced_[i] = std::move(content);
}

void ZipPackage::remove(std::string_view part) {
  const std::int64_t i = indexOf(part);
  if (i < 0) return;
  replaced_.erase(i);
  removed_.insert(i);
}

std::string ZipPackage::save() {
  if (!archive_) throw Error("Sešit " + path_ + " už byl uložen.");
  const auto fail = [&](const char* why) {
    return Error("Sešit " + path_ + " nelze uložit (" + std::string(why) + ").");
  };
  std::vector<std::string_view> contents;
  for (const auto& [i, content] : replaced_) contents.emplace_back(content);
  std::vector<DeflatedPart> deflated = deflateParts(contents);
  size_t next = 0;
  for (const auto& [i, content] : replaced_) {
    ZipSource data = deflatedSource(archive_.get(), std::move(deflated[next++]));
    if (!data || zip_file_replace(archive_.get(), static_cast<zip_uint64_t>(i), data.get(), 0) != 0)
      throw fail(zip_strerror(archive_.get()));
    data.release();  // the archive owns it now
  }
  for (const std::int64_t i : removed_) zip_delete(archive_.get(), static_cast<zip_uint64_t>(i));
  if (zip_close(archive_.get()) != 0) throw fail(zip_strerror(archive_.get()));
  archive_.release();  // written and freed by zip_close
  zip_stat_t st;
  if (zip_source_stat(source_.get(), &st) != 0) throw fail(zip_error_strerror(zip_source_error(source_.get())));
  std::string out(st.size, '\0');
  if (zip_source_open(source_.get()) != 0) throw fail(zip_error_strerror(zip_source_error(source_.get())));
  const zip_int64_t got = zip_source_read(source_.get(), out.data(), out.size());
  zip_source_close(source_.get());
  if (got != static_cast<zip_int64_t>(out.size())) throw fail("zápis do paměti selhal");
  return out;
}

}  // namespace kalkora
