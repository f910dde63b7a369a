#include "platform/system_regional.h"

#include <langinfo.h>
#include <locale.h>

#include "platform/cp1250.h"

namespace kalkora {
namespace {

char32_t firstChar(const char* text) {
  if (!text || !*text) return 0;
  const std::u32string decoded = decodeUtf8(text);
  return decoded.empty() ? 0 : decoded[0];
}

}  // namespace

Regional systemRegional() {
  Regional r;
  locale_t loc = newlocale(LC_ALL_MASK, "", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  if (loc == static_cast<locale_t>(0)) return r;
  const char32_t decimal = firstChar(nl_langinfo_l(RADIXCHAR, loc));
  if (decimal) r.decimalSeparator = decimal;
  r.thousandsSeparator = firstChar(nl_langinfo_l(THOUSEP, loc));
  freelocale(loc);
  return r;
}

}  // namespace kalkora
