#include "platform/process_identity.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

namespace kalkora {

ProcessIdentity currentProcess() {
  ProcessIdentity me;
  if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_name)
    me.user = entry->pw_name;
  else if (const char* user = std::getenv("USER"))
    me.user = user;
  char host[HOST_NAME_MAX + 1] = {};
  if (::gethostname(host, sizeof host - 1) == 0) me.host = host;
  me.pid = static_cast<long>(::getpid());
  return me;
}

}  // namespace kalkora
