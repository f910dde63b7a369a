#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "xlsx/xml_part.h"
#include "xlsx/zip_handles.h"

namespace kalkora {

// What a package may hold before we refuse to unpack it: a crafted file
// could otherwise make a few kilobytes inflate into gigabytes. The ratio is
// checked only above the grace size, where ordinary XML never comes near it.
struct PackageLimits {
  std::uint64_t maxPartSize = 256ull << 20;
  std::uint64_t maxRatio = 100;
  std::uint64_t ratioGraceSize = 100ull << 10;
};

// A zip package (an Office Open XML file) held in memory. Parts are read on
// demand; changes are collected and applied by save(), which copies every
// part it does not change as stored (compressed bytes and entry order kept).
// Part names are matched case-insensitively and may start with "/".
class ZipPackage {
 public:
  // path only names the file in messages. Raises Error when the bytes are no
  // zip or a part exceeds the limits.
  ZipPackage(std::string bytes, std::string path, PackageLimits limits = {});
  ZipPackage(const ZipPackage&) = delete;
  ZipPackage& operator=(const ZipPackage&) = delete;

  // The name as parts are matched: lower case, without a leading "/".
  static std::string partKey(std::string_view part);

  bool contains(std::string_view part) const;
  // The part's bytes; raises Error when it is missing or cannot be unpacked.
  std::string read(std::string_view part) const;
  // The same, for a document to parse in place and keep.
  XmlText readXml(std::string_view part) const;
  // Gives an existing part new content, in its place.
  void replace(std::string_view part, std::string content);
  void remove(std::string_view part);
  bool modified() const { return !replaced_.empty() || !removed_.empty(); }
  // The bytes as opened.
  const std::string& original() const { return bytes_; }
  // The package with the changes applied.
  std::string save();

 private:
  std::int64_t indexOf(std::string_view part) const;
  // Reads the part into the buffer that into(size) gives for it.
  void readInto(std::string_view part, const std::function<char*(size_t)>& into) const;
  void checkLimits() const;

  std::string bytes_;
  std::string path_;
  PackageLimits limits_;
  // The source outlives the archive (declared first, destroyed last): save()
  // reads the new bytes from it after zip_close() has freed the archive.
  ZipSource source_;
  ZipArchive archive_;
  std::unordered_map<std::string, std::int64_t> index_;  // lower-case name -> entry
  std::map<std::int64_t, std::string> replaced_;
  std::set<std::int64_t> removed_;
};

}  // namespace kalkora
