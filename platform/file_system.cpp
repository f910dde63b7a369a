#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <random>

#include "platform/error.h"

namespace kalkora {
namespace {

std::string reason(int err) {
  switch (err) {
    case ENOENT: return "soubor nebo složka neexistuje";
    case EACCES:
    case EPERM: return "přístup byl odepřen";
    case EISDIR: return "jde o složku, ne o soubor";
    case ENOSPC: return "na disku není místo";
    case EROFS: return "disk je jen pro čtení";
    case ENAMETOOLONG: return "cesta je příliš dlouhá";
    case EIO: return "chyba čtení nebo zápisu na zařízení";
    default: return "chyba systému souborů č. " + std::to_string(err);
  }
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

std::string tempNameBeside(const std::string& path) {
  static std::mt19937_64 rng{std::random_device{}()};
  const auto slash = path.find_last_of('/');
  const std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return dir + "." + name + ".tmp" + std::to_string(rng() % 1000000000);
}

}  // namespace

std::string fileErrorMessage(const std::string& action, const std::string& path, int err) {
  return action + " " + path + " (" + reason(err) + ").";
}

bool DiskFileSystem::fileExists(const std::string& path) const {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string DiskFileSystem::readFile(const std::string& path) const {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw Error(fileErrorMessage("Soubor nelze otevřít:", path, errno));
  struct stat st;
  if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode))
    throw Error(fileErrorMessage("Soubor nelze otevřít:", path, EISDIR));
  std::string data;
  if (st.st_size > 0) data.reserve(static_cast<size_t>(st.st_size));
  char buf[1 << 16];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      throw Error(fileErrorMessage("Soubor nelze přečíst:", path, errno));
    }
    data.append(buf, static_cast<size_t>(n));
  }
  return data;
}

void DiskFileSystem::writeFile(const std::string& path, std::string_view bytes) {
  if (path.empty()) throw Error("Soubor nelze zapsat: není zadaná cesta.");
  const std::string temp = tempNameBeside(path);
  Fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (fd.get() < 0) throw Error(fileErrorMessage("Soubor nelze zapsat:", path, errno));
  // Keep the permissions of the file we replace.
  struct stat st;
  if (::stat(path.c_str(), &st) == 0) ::fchmod(fd.get(), st.st_mode & 07777);
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      const int err = errno;
      ::unlink(temp.c_str());
      throw Error(fileErrorMessage("Soubor nelze zapsat:", path, err));
    }
    done += static_cast<size_t>(n);
  }
  if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0 || ::rename(temp.c_str(), path.c_str()) != 0) {
    const int err = errno;
    ::unlink(temp.c_str());
    throw Error(fileErrorMessage("Soubor nelze zapsat:", path, err));
  }
}

std::vector<std::string> DiskFileSystem::fileNames(const std::string& folder) const {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (!dir) return names;
  while (const dirent* entry = ::readdir(dir))
    if (entry->d_type == DT_REG || entry->d_type == DT_UNKNOWN) names.emplace_back(entry->d_name);
  ::closedir(dir);
  return names;
}

void DiskFileSystem::removeFile(const std::string& path) {
  if (::unlink(path.c_str()) != 0) throw Error(fileErrorMessage("Soubor nelze smazat:", path, errno));
}

}  // namespace kalkora
