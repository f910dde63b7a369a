#include "xlsx/deflated_part.h"

#include <libdeflate.h>

#include <memory>

#include "xlsx/side_by_side.h"
#include "platform/error.h"

namespace kalkora {
namespace {

// libdeflate at level 1 compresses worksheet XML several times faster than
// zlib's default level, and still smaller than zlib's own level 1.
constexpr int kLevel = 1;
constexpr size_t kThreadedSize = 1 << 20;

DeflatedPart deflatePart(std::string_view bytes) {
  DeflatedPart part;
  part.size = bytes.size();
  part.crc = libdeflate_crc32(0, bytes.data(), bytes.size());
  const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
      libdeflate_alloc_compressor(kLevel), &libdeflate_free_compressor);
  if (!compressor) throw Error("Sešit nelze uložit: nedostatek paměti pro kompresi.");
  // The bound is about the size of the input, but worksheet XML shrinks to a
  // few per cent of it: an uninitialised buffer leaves the pages it never
  // writes untouched, where a zero-filled string would touch them all.
  const size_t bound = libdeflate_deflate_compress_bound(compressor.get(), bytes.size());
  const std::unique_ptr<char[]> out(new char[bound]);
  const size_t written = libdeflate_deflate_compress(compressor.get(), bytes.data(), bytes.size(), out.get(), bound);
  if (written == 0) throw Error("Sešit nelze uložit: kompresi části se nepodařilo dokončit.");
  part.data.assign(out.get(), written);
  return part;
}

}  // namespace

std::vector<DeflatedPart> deflateParts(const std::vector<std::string_view>& parts) {
  std::vector<DeflatedPart> out(parts.size());
  runSideBySide(
      parts.size(), [&](size_t i) { return parts[i].size() >= kThreadedSize; },
      [&](size_t i) { out[i] = deflatePart(parts[i]); });
  return out;
}

}  // namespace kalkora
