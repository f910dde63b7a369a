#include "testing/virtual_display.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

extern char** environ;

namespace kalkora {
namespace {

// The first line Xvfb writes to fd: its display number, once it accepts clients.
std::string readLine(int fd, int timeoutMs) {
  std::string line;
  pollfd p{fd, POLLIN, 0};
  char c;
  while (poll(&p, 1, timeoutMs) > 0 && read(fd, &c, 1) == 1 && c != '\n') line += c;
  return line;
}

}  // namespace

VirtualDisplay::VirtualDisplay() {
  if (const char* d = getenv("DISPLAY")) previous_ = d;
  int pipeFds[2];
  if (pipe(pipeFds) != 0) {
    why_ = "no pipe for Xvfb";
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 3);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>("Xvfb"),       const_cast<char*>("-displayfd"), const_cast<char*>("3"),
                  const_cast<char*>("-nolisten"),  const_cast<char*>("tcp"),        const_cast<char*>("-screen"),
                  const_cast<char*>("0"),          const_cast<char*>("1280x1024x24"), nullptr};
  const int failed = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  if (failed) {
    pid_ = -1;
    why_ = "Xvfb is not installed (package xvfb)";
  } else {
    const std::string number = readLine(pipeFds[0], 20000);
    if (number.empty()) {
      why_ = "Xvfb did not start";
    } else {
      display_ = ":" + number;
      setenv("DISPLAY", display_.c_str(), 1);
    }
  }
  close(pipeFds[0]);
}

VirtualDisplay::~VirtualDisplay() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
  if (previous_.empty())
    unsetenv("DISPLAY");
  else
    setenv("DISPLAY", previous_.c_str(), 1);
}

void killProcessesWithHome(const std::string& home) {
  const std::string wanted = "HOME=" + home;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", ignored)) {
    const std::string name = entry.path().filename().string();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream in(entry.path() / "environ", std::ios::binary);
    const std::string environment((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (environment.find(std::string(1, '\0') + wanted + '\0') != std::string::npos ||
        environment.starts_with(wanted + '\0'))
      kill(std::stoi(name), SIGKILL);
  }
}

}  // namespace kalkora
