#include "libreoffice/libreoffice_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <cppuhelper/bootstrap.hxx>

#include <chrono>
#include <cstdlib>
#include <csignal>
#include <cstring>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "libreoffice/libreoffice.h"
#include "libreoffice/profile_template.h"
#include "libreoffice/uno_text.h"
#include "platform/error.h"

extern char** environ;

namespace kalkora {
namespace {

using namespace std::chrono_literals;
using css::uno::Reference;
using css::uno::UNO_QUERY_THROW;
using css::uno::XComponentContext;

// A first start with a fresh profile on a busy machine takes seconds; a hung
// one must not hang us for ever.
constexpr auto kStartTimeout = 90s;
constexpr auto kEndTimeout = 15s;
// How long a LibreOffice the user already runs may take to answer our
// request that the one we started handed over to it.
constexpr auto kHandOverTimeout = 10s;

const std::string kProgramDir = KALKORA_LO_PROGRAM_DIR;

// Our side of the UNO connection: a component context of LibreOffice's own
// libraries, made once per process. Their settings (unorc beside them) take
// the type and service libraries from LibreOffice's fundamental settings,
// which URE_BOOTSTRAP names.
Reference<XComponentContext> localContext() {
  static const Reference<XComponentContext> context = [] {
    // A LibreOffice that ends (closed, or crashed) while we write to its pipe
    // would end this program with SIGPIPE; ignored, the write fails and the
    // call raises, which the export handles as LibreOffice gone.
    std::signal(SIGPIPE, SIG_IGN);
    setenv("URE_BOOTSTRAP", ("vnd.sun.star.pathname:" + kProgramDir + "/fundamentalrc").c_str(), 0);
    return cppu::defaultBootstrap_InitialComponentContext();
  }();
  return context;
}

pid_t spawnSoffice(const std::vector<std::string>& args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A process group of its own: soffice starts soffice.bin as its child, and
  // both must go when we end it.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  const int failed = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw Error("LibreOffice nejde spustit (" + args[0] + "): " + std::string(strerror(failed)));
  return pid;
}

bool exited(pid_t pid) {
  int status;
  return waitpid(pid, &status, WNOHANG) == pid;
}

// Waits for a process group's leader until the deadline, then kills the
// group; true when it ended by itself.
bool endWithin(pid_t pid, std::chrono::steady_clock::duration patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (exited(pid)) return true;
    std::this_thread::sleep_for(20ms);
  }
  kill(-pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return false;
}

// A fresh profile makes LibreOffice restart itself once on its first start,
// which would break our connection; so a profile is made first by a
// LibreOffice that only initialises it and ends. profileArgs name the
// profile (none: the user's own).
void initialiseProfile(const std::string& soffice, const std::vector<std::string>& profileArgs) {
  std::vector<std::string> args{soffice, "--headless", "--terminate_after_init"};
  args.insert(args.end(), profileArgs.begin(), profileArgs.end());
  if (!endWithin(spawnSoffice(args), kStartTimeout))
    throw Error("LibreOffice nedokončil ani první spuštění do " + std::to_string(kStartTimeout.count()) + " s.");
}

// Where LibreOffice keeps its profile: in folder (as a URL, so that a cache
// folder under a home with spaces or accents in its name is named right).
std::string profileArgument(const std::filesystem::path& folder) {
  return "-env:UserInstallation=" + fromUno(fileUrl(folder.string()));
}

// The user's LibreOffice profile, which exists once LibreOffice has run.
bool userProfileExists() {
  const char* config = getenv("XDG_CONFIG_HOME");
  const char* home = getenv("HOME");
  const std::filesystem::path base = config && *config ? std::filesystem::path(config)
                                     : home             ? std::filesystem::path(home) / ".config"
                                                        : std::filesystem::path();
  return !base.empty() && std::filesystem::exists(base / "libreoffice" / "4" / "user");
}

}  // namespace

bool libreOfficeHasWindows() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(kProgramDir, ignored))
    if (entry.path().filename().string().starts_with("libvclplug_")) return true;
  return false;
}

LibreOfficeProcess::LibreOfficeProcess(LibreOfficeKind kind) : kind_(kind) {
  const std::string soffice = kProgramDir + "/soffice";
  if (access(soffice.c_str(), X_OK) != 0 || access((kProgramDir + "/libsclo.so").c_str(), R_OK) != 0)
    throw Error(kLibreOfficeMissing);
  pipe_ = "kalkora_" + std::to_string(getpid()) + "_" + std::to_string(std::random_device{}());
  const std::string accept = "--accept=pipe,name=" + pipe_ + ";urp;StarOffice.ComponentContext";
  try {
    if (headless()) {
      char folder[] = "/tmp/kalkora-libreoffice-XXXXXX";
      if (!mkdtemp(folder)) throw Error("Pro LibreOffice nejde vytvořit dočasnou složku v /tmp.");
      profile_ = folder;
      makeHeadlessProfile(profile_, kProgramDir, [&soffice](const std::filesystem::path& made) {
        initialiseProfile(soffice, {profileArgument(made)});
      });
      pid_ = spawnSoffice({soffice, "--headless", "--invisible", "--nologo", "--norestore", "--nodefault",
                           "--nolockcheck", profileArgument(profile_), accept});
    } else {
      if (!userProfileExists()) initialiseProfile(soffice, {});
      pid_ = spawnSoffice({soffice, "--nologo", "--nodefault", accept});
    }
    connect(pipe_, [&] { return spawnSoffice({soffice, "--nologo", "--nodefault", accept}); });
  } catch (...) {
    end();
    throw;
  }
}

bool LibreOfficeProcess::answers() const {
  if (!desktop_.is()) return false;
  try {
    desktop_->getComponents();
    return true;
  } catch (const css::uno::Exception&) {
    return false;
  }
}

LibreOfficeProcess::~LibreOfficeProcess() { end(); }

void LibreOfficeProcess::connect(const std::string& pipe, const std::function<pid_t()>& startAgain) {
  try {
    const auto resolver = css::bridge::UnoUrlResolver::create(localContext());
    const OUString url = toUno("uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext");
    const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
    std::optional<std::chrono::steady_clock::time_point> ended;
    bool startedAgain = false;
    for (;;) {
      try {
        const Reference<XComponentContext> remote(resolver->resolve(url), UNO_QUERY_THROW);
        desktop_ = css::frame::Desktop::create(remote);
        return;
      } catch (const css::connection::NoConnectException&) {
        // A LibreOffice the user already runs takes our request and the
        // one we started ends at once; only a headless one has failed then.
        if (pid_ > 0 && exited(pid_)) {
          pid_ = -1;
          if (headless())
            throw Error("LibreOffice skončil hned po spuštění. Zkuste ho spustit ručně (soffice --headless) a "
                        "zjistit proč.");
          ended = std::chrono::steady_clock::now();
        }
        // Nobody took it: the LibreOffice we started ended by itself (it
        // can fail right at its start); it is started once more.
        if (ended && std::chrono::steady_clock::now() - *ended > kHandOverTimeout && !startedAgain) {
          pid_ = startAgain();
          ended.reset();
          startedAgain = true;
        }
        if (std::chrono::steady_clock::now() > deadline)
          throw Error("LibreOffice se po spuštění do " + std::to_string(kStartTimeout.count()) +
                      " s neozval.");
        std::this_thread::sleep_for(50ms);
      }
    }
  } catch (const css::uno::Exception& e) {
    raiseLibreOfficeError("K LibreOffice se nejde připojit.", e);
  }
}

void LibreOfficeProcess::end() {
  if (!headless()) {
    desktop_.clear();
    if (pid_ > 0 && exited(pid_)) pid_ = -1;
    return;
  }
  bool terminating = false;
  if (desktop_.is()) {
    try {
      terminating = desktop_->terminate();
    } catch (const css::uno::Exception&) {
      terminating = true;  // the connection drops as LibreOffice ends
    }
    desktop_.clear();
  }
  if (pid_ > 0) endWithin(pid_, terminating ? kEndTimeout : std::chrono::seconds(0));
  pid_ = -1;
  // The pipe LibreOffice listened on stays behind as a socket file in /tmp.
  std::error_code ignored;
  if (!pipe_.empty()) std::filesystem::remove("/tmp/OSL_PIPE_" + std::to_string(getuid()) + "_" + pipe_, ignored);
  if (!profile_.empty()) std::filesystem::remove_all(profile_, ignored);
}

}  // namespace kalkora
