#pragma once
#include "platform/error.h"

namespace kalkora {

// A plain message after which the operation ends without an error ("Není
// vybrán žádný typ výkazu, ..."). The window shows it in a plain message box;
// kalkora-cli prints it and exits 1, as it does for every stopped run. It is
// an Error so that every caller that stops on errors stops on it too.
class OperationStopped : public Error {
 public:
  using Error::Error;
};

}  // namespace kalkora
