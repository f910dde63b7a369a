#pragma once
#include "platform/regional.h"

namespace kalkora {

// The regional settings of the user's locale (LC_NUMERIC, LC_TIME); the
// programs call this once at start and pass the result down.
Regional systemRegional();

}  // namespace kalkora
