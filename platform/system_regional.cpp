#include "platform/system_regional.h"

#include <langinfo.h>
#include <locale.h>

#include "platform/cp1250.h"
#include "platform/program_location.h"

namespace kalkora {
namespace {

char32_t firstChar(const char* text) {
  if (!text || !*text) return 0;
  const std::u32string decoded = decodeUtf8(text);
  return decoded.empty() ? 0 : decoded[0];
}

}  // namespace

std::string numericLocaleName(const std::string& lcAll, const std::string& lcNumeric, const std::string& lang) {
  for (const std::string* name : {&lcAll, &lcNumeric, &lang})
    if (!name->empty()) return *name;
  return "C";
}

bool isPlainCLocale(const std::string& name) {
  return name == "C" || name == "POSIX" || name.starts_with("C.");
}

Regional systemRegional() {
  Regional r;
  const std::string name = numericLocaleName(environmentVariable("LC_ALL"), environmentVariable("LC_NUMERIC"),
                                             environmentVariable("LANG"));
  if (isPlainCLocale(name)) return r;
  locale_t loc = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return r;
  const char32_t decimal = firstChar(nl_langinfo_l(RADIXCHAR, loc));
  if (decimal) r.decimalSeparator = decimal;
  r.thousandsSeparator = firstChar(nl_langinfo_l(THOUSEP, loc));
  freelocale(loc);
  return r;
}

}  // namespace kalkora
