#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// A part compressed as a zip entry stores it: raw deflate data, with the
// CRC-32 and size of the uncompressed bytes.
struct DeflatedPart {
  std::string data;
  std::uint32_t crc = 0;
  std::uint64_t size = 0;
};

// Compresses the parts, the large ones side by side on their own threads:
// saving a workbook recompresses its big worksheets, and that is most of
// the time a save takes.
std::vector<DeflatedPart> deflateParts(const std::vector<std::string_view>& parts);

}  // namespace kalkora
