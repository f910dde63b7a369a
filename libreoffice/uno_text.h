#pragma once
// Conversions between our UTF-8 texts and UNO's, and LibreOffice's errors as
// ours. Only for the .cpp files of this folder: it needs the UNO headers.
#include <com/sun/star/uno/Exception.hpp>
#include <rtl/ustring.hxx>
#include <string>

namespace kalkora {

using rtl::OUString;

OUString toUno(const std::string& text);
std::string fromUno(const OUString& text);
// The file URL LibreOffice wants for a path (made absolute first).
OUString fileUrl(const std::string& path);
// Raises Error with our Czech text followed by LibreOffice's own.
[[noreturn]] void raiseLibreOfficeError(const std::string& what, const css::uno::Exception& e);

}  // namespace kalkora
