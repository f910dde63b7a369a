#pragma once
// Only for the .cpp files of this folder: it needs the UNO headers.
#include <sys/types.h>

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/Reference.hxx>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "libreoffice/libreoffice.h"

namespace kalkora {

// A soffice connected through UNO over a named pipe only we know.
// Headless: started with a profile of ours in a temporary folder (a copy
// of the template in the cache folder, see profile_template.h); the
// destructor ends it (asks it to terminate, and kills its process group when
// it does not within a few seconds, so no soffice outlives us) and removes
// the profile. Window: started on the user's profile, so a LibreOffice the
// user already runs takes the request to listen on our pipe and we join it;
// the destructor only lets go of it.
class LibreOfficeProcess {
 public:
  explicit LibreOfficeProcess(LibreOfficeKind kind);
  ~LibreOfficeProcess();
  LibreOfficeProcess(const LibreOfficeProcess&) = delete;
  LibreOfficeProcess& operator=(const LibreOfficeProcess&) = delete;

  const css::uno::Reference<css::frame::XDesktop2>& desktop() const { return desktop_; }
  bool headless() const { return kind_ == LibreOfficeKind::Headless; }
  bool answers() const;

 private:
  // Waits until LibreOffice answers on the pipe; startAgain starts a
  // LibreOffice with windows once more when the one started ended without
  // anyone answering.
  void connect(const std::string& pipe, const std::function<pid_t()>& startAgain = {});
  void end();

  LibreOfficeKind kind_;
  pid_t pid_ = -1;
  std::filesystem::path profile_;
  std::string pipe_;
  css::uno::Reference<css::frame::XDesktop2> desktop_;
};

// The process of a LibreOffice that startLibreOffice gave, kept running
// while the result lives: for code that talks UNO to it directly (the tests
// make their workbooks so).
std::shared_ptr<const LibreOfficeProcess> processOf(const std::shared_ptr<LibreOffice>& office);

}  // namespace kalkora
