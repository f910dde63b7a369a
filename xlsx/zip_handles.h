#pragma once
#include <zip.h>

#include <memory>
#include <string_view>

namespace kalkora {

// libzip handles that free themselves, so that no early return or exception
// leaves an archive, a source or an open entry behind. An archive that
// zip_close() has written and freed is released from its holder first.
struct ZipDiscard {
  void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct ZipSourceFree {
  void operator()(zip_source_t* source) const { zip_source_free(source); }
};
struct ZipFileClose {
  void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using ZipArchive = std::unique_ptr<zip_t, ZipDiscard>;
using ZipSource = std::unique_ptr<zip_source_t, ZipSourceFree>;
using ZipFile = std::unique_ptr<zip_file_t, ZipFileClose>;

// A zip_error_t for the length of a scope.
class ZipErrorScope {
 public:
  ZipErrorScope() { zip_error_init(&error_); }
  ~ZipErrorScope() { zip_error_fini(&error_); }
  ZipErrorScope(const ZipErrorScope&) = delete;
  ZipErrorScope& operator=(const ZipErrorScope&) = delete;
  zip_error_t* get() { return &error_; }

 private:
  zip_error_t error_;
};

// A source over a copy of the bytes that the source owns: libzip may write
// into the buffer it reads from when it saves, and the caller's bytes must
// stay as they are. nullptr when libzip refuses.
ZipSource copiedBufferSource(std::string_view bytes, zip_error_t* error);

}  // namespace kalkora
