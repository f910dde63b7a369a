#include "export/deflated_part.h"

#include <zlib.h>


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
  part.data.resize(deflateBound(&stream, static_cast<uLong>(bytes.size())));
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(part.data.data());
  stream.avail_out = static_cast<uInt>(part.data.size());
  const int result = deflate(&stream, Z_FINISH);
  part.data.resize(stream.total_out);
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
