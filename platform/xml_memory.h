#pragma once
#include <cstddef>

namespace kalkora {

// Where pugixml keeps the nodes of its documents. A worksheet of a large
// workbook becomes a tree of some hundred megabytes; from the ordinary heap
// every 4 KB page of it is faulted in one at a time, and on a virtual machine
// that costs several times the parse itself. These hand out the memory from
// large huge-page mappings (platform/huge_pages.h), a mapping given back when
// the last block in it is freed; a block they did not hand out is passed to
// free().
void* allocateXmlMemory(std::size_t size);
void freeXmlMemory(void* block);

// Makes these two pugixml's allocation functions. Each program calls it first
// thing in main(), before it parses anything; a document made on the heap
// before still goes back there. Under AddressSanitizer (the fuzz build)
// documents stay on the heap, where a read past the end of a block is
// caught.
void installXmlMemory();

}  // namespace kalkora
