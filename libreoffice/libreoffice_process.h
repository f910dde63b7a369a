#pragma once
// Only for the .cpp files of this folder: it needs the UNO headers.
#include <sys/types.h>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <filesystem>
#include <string>

namespace kalkora {

// One headless soffice that we start, with a fresh profile in a temporary
// folder and a named pipe only we know, connected through UNO. The
// destructor ends it: asks it to terminate, and kills its process group when
// it does not within a few seconds, so no soffice outlives us; the profile
// folder goes with it.
class LibreOfficeProcess {
 public:
  LibreOfficeProcess();
  ~LibreOfficeProcess();
  LibreOfficeProcess(const LibreOfficeProcess&) = delete;
  LibreOfficeProcess& operator=(const LibreOfficeProcess&) = delete;

  const css::uno::Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }

 private:
  void connect(const std::string& pipe);
  void end();

  pid_t pid_ = -1;
  std::filesystem::path profile_;
  std::string pipe_;
  css::uno::Reference<css::frame::XDesktop2> desktop_;
};

}  // namespace kalkora
