#include "export/deflated_part.h"

#include <zlib.h>

#include <memory>

#include "export/side_by_side.h"
#include "platform/error.h"

namespace kalkora {
namespace {

// Level 1 writes worksheet XML several times faster than the default level
// and only about a quarter larger.
constexpr int kLevel = 1;
constexpr size_t kThreadedSize = 1 << 20;

DeflatedPart deflatePart(std::string_view bytes) {
  DeflatedPart part;
  part.size = bytes.size();
  part.crc = static_cast<std::uint32_t>(
      crc32_z(crc32_z(0, nullptr, 0), reinterpret_cast<const Bytef*>(bytes.data()), bytes.size()));
  z_stream stream{};
  if (deflateInit2(&stream, kLevel, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
    throw Error("Sešit nelze uložit: nedostatek paměti pro kompresi.");
  // The bound is about the size of the input, but worksheet XML shrinks to a
  // few per cent of it: an uninitialised buffer leaves the pages it never
  // writes untouched, where a zero-filled string would touch them all.
  const uLong bound = deflateBound(&stream, static_cast<uLong>(bytes.size()));
  const std::unique_ptr<Bytef[]> out(new Bytef[bound]);
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = out.get();
  stream.avail_out = static_cast<uInt>(bound);
  const int result = deflate(&stream, Z_FINISH);
  part.data.assign(reinterpret_cast<const char*>(out.get()), stream.total_out);
  deflateEnd(&stream);
  if (result != Z_STREAM_END) throw Error("Sešit nelze uložit: kompresi části se nepodařilo dokončit.");
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
