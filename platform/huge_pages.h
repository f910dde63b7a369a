#pragma once
#include <cstddef>

namespace kalkora {

// Memory for structures of hundreds of megabytes (the import table of a large
// file, the XML trees of a large workbook). From the ordinary heap every 4 KB
// page of them is faulted in one at a time, and on a virtual machine that
// costs more than filling them; a mapping that asks for transparent huge
// pages is zeroed and mapped 2 MB at a time instead. Pages become resident
// only when first written, so a generous mapping costs address space, not
// memory.
inline constexpr std::size_t kHugePageSize = std::size_t{2} << 20;

// A private anonymous mapping of `size` bytes that starts on a huge-page
// boundary, so that every 2 MB of it can be one page, and asks for huge
// pages. nullptr when the system refuses it (an address-space limit).
void* mapHugePages(std::size_t size);

// Gives back a mapping of mapHugePages (or part of one).
void unmapPages(void* start, std::size_t size);

}  // namespace kalkora
