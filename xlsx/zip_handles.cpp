#include "xlsx/zip_handles.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace kalkora {

ZipSource copiedBufferSource(std::string_view bytes, zip_error_t* error) {
  // libzip keeps no buffer of length 0, so it would never free one: no bytes, no copy.
  if (bytes.empty()) return ZipSource(zip_source_buffer_create(nullptr, 0, 0, error));
  void* copy = std::malloc(bytes.size());
  if (copy == nullptr) throw std::bad_alloc();
  std::memcpy(copy, bytes.data(), bytes.size());
  ZipSource source(zip_source_buffer_create(copy, bytes.size(), 1, error));
  if (!source) std::free(copy);
  return source;
}

}  // namespace kalkora
