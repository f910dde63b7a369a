#pragma once
#include <string>

#include "platform/regional.h"

namespace kalkora {

// The regional settings of the user's locale (LC_NUMERIC); the programs call
// this once at start and pass the result down. The program's texts assume
// Czech conventions ("napište 0,001"), so where no locale is chosen (C,
// POSIX) or the chosen one is not installed, the Czech ones hold: a decimal
// comma and a no-break space between thousands.
Regional systemRegional();

// The locale name that decides the number format, as the C library resolves
// it from LC_ALL, LC_NUMERIC and LANG; "C" when none is set.
std::string numericLocaleName(const std::string& lcAll, const std::string& lcNumeric, const std::string& lang);

// Whether a locale name is the plain C locale under one of its names.
bool isPlainCLocale(const std::string& name);

}  // namespace kalkora
