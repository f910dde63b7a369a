#pragma once
#include <string>

namespace kalkora {

// Who runs this process, as a lock file names its holder.
struct ProcessIdentity {
  std::string user;  // the login name
  std::string host;  // this computer's name
  long pid = 0;
};

ProcessIdentity currentProcess();

}  // namespace kalkora
