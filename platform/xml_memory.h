#pragma once
#include <cstddef>

namespace kalkora {

// Where pugixml keeps the nodes of its documents. A worksheet of a large
// workbook becomes a tree of some hundred megabytes; from the ordinary heap
// every 4 KB page of it is faulted in one at a time, and on a virtual machine
// that costs several times the parse itself. These hand out the memory from
// large mappings that ask for huge pages (2 MB zeroed and mapped at once), a
// mapping given back when the last block in it is freed. They are installed
// as pugixml's allocation functions when the program starts (see
// xml_memory.cpp); a block they did not hand out is passed to free().
void* allocateXmlMemory(std::size_t size);
void freeXmlMemory(void* block);

}  // namespace kalkora
