#include "libreoffice/uno_text.h"

#include <osl/file.hxx>

#include <filesystem>

#include "platform/error.h"

namespace kalkora {

OUString toUno(const std::string& text) {
  return OUString(text.data(), static_cast<sal_Int32>(text.size()), RTL_TEXTENCODING_UTF8);
}

std::string fromUno(const OUString& text) {
  const rtl::OString utf8 = OUStringToOString(text, RTL_TEXTENCODING_UTF8);
  return std::string(utf8.getStr(), utf8.getLength());
}

OUString fileUrl(const std::string& path) {
  OUString url;
  const OUString absolute = toUno(std::filesystem::absolute(path).lexically_normal().string());
  if (osl::FileBase::getFileURLFromSystemPath(absolute, url) != osl::FileBase::E_None)
    throw Error("Cesta " + path + " nejde předat LibreOffice.");
  return url;
}

void raiseLibreOfficeError(const std::string& what, const css::uno::Exception& e) {
  const std::string message = fromUno(e.Message);
  throw Error(what + (message.empty() ? " (LibreOffice neuvedl důvod.)" : " LibreOffice hlásí: " + message));
}

}  // namespace kalkora
