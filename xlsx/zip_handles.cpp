#include "xlsx/zip_handles.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace kalkora {

ZipSource copiedBufferSource(std::string_view bytes, zip_error_t* error) {
  void* copy = std::malloc(bytes.empty() ? 1 : bytes.size());
  if (copy == nullptr) throw std::bad_alloc();
  if (!bytes.empty()) std::memcpy(copy, bytes.data(), bytes.size());
  ZipSource source(zip_source_buffer_create(copy, bytes.size(), 1, error));
  if (!source) std::free(copy);
  return source;
}

}  // namespace kalkora
