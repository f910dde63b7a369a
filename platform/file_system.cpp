#include "platform/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
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
  void reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

constexpr std::string_view kTemporaryMark = ".tmp";

std::string tempNameBeside(const std::string& path) {
  static std::mt19937_64 rng{std::random_device{}()};
  const auto [folder, name] = splitPath(path);
  return folder + "." + name + std::string(kTemporaryMark) + std::to_string(rng() % 1000000000);
}

bool writeAll(int fd, std::string_view bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno != EINTR) return false;
    if (n > 0) done += static_cast<size_t>(n);
  }
  return true;
}

std::string readAll(int fd, const std::string& path) {
  std::string data;
  char buf[4096];
  for (;;) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw Error(fileErrorMessage("Zámek nelze přečíst:", path, errno));
    if (n == 0) return data;
    data.append(buf, static_cast<size_t>(n));
  }
}

bool sameFile(int fd, const std::string& path) {
  struct stat opened, named;
  return ::fstat(fd, &opened) == 0 && ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
         opened.st_ino == named.st_ino;
}

// A lock is a file held with flock(): the kernel lets go of it when the
// process ends, killed or not, so a lock file nobody holds is one whose
// process is gone. The descriptors are closed on exec, so a program started
// meanwhile (LibreOffice) never keeps a lock alive.
class DiskLock : public HeldLock {
 public:
  DiskLock(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}
  // Removed while still held, so whoever waits for it finds the name gone.
  ~DiskLock() override {
    if (sameFile(fd_.get(), path_)) ::unlink(path_.c_str());
  }

 private:
  std::string path_;
  Fd fd_;
};

bool holdNow(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) == 0; }

[[noreturn]] void lockFailure(const std::string& path, int err) {
  throw Error(fileErrorMessage("Zámek nelze vytvořit:", path, err));
}

// The new lock file, held and with its bytes, under its name: made as a
// temporary file and linked to the name, which fails when the name is
// taken, so nobody ever sees it unheld or half written. Where the file
// system has no links (FAT), it is made under its name at once. -1 with
// errno EEXIST when the name is taken; ENOENT asks to try again.
int makeLock(const std::string& path, std::string_view bytes) {
  const std::string temp = tempNameBeside(path);
  Fd fd(::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (fd.get() < 0) lockFailure(path, errno);
  if (!holdNow(fd.get()) || !writeAll(fd.get(), bytes)) {
    const int err = errno;
    ::unlink(temp.c_str());
    lockFailure(path, err);
  }
  const int linked = ::link(temp.c_str(), path.c_str());
  const int err = errno;
  ::unlink(temp.c_str());
  if (linked == 0) return fd.release();
  if (err == EEXIST || err == ENOENT) {
    errno = err;
    return -1;
  }
  if (err != EPERM && err != EOPNOTSUPP && err != ENOSYS) lockFailure(path, err);
  Fd direct(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
  if (direct.get() < 0) {
    if (errno == EEXIST) return -1;
    lockFailure(path, errno);
  }
  if (!holdNow(direct.get()) || !writeAll(direct.get(), bytes)) {
    const int failed = errno;
    ::unlink(path.c_str());
    lockFailure(path, failed);
  }
  return direct.release();
}

// Taking over a lock nobody holds: it is held first, then it gets our bytes
// in place, so two processes that found it both unheld never both hold it.
std::unique_ptr<HeldLock> takeOver(Fd& existing, bool writable, const std::string& path, std::string_view bytes) {
  if (!writable) throw Error(fileErrorMessage("Zámek nelze převzít:", path, EACCES));
  if (::ftruncate(existing.get(), 0) != 0 || ::lseek(existing.get(), 0, SEEK_SET) != 0 ||
      !writeAll(existing.get(), bytes))
    throw Error(fileErrorMessage("Zámek nelze převzít:", path, errno));
  return std::make_unique<DiskLock>(path, existing.release());
}

}  // namespace

std::optional<std::string> temporaryFileTarget(std::string_view fileName) {
  const auto mark = fileName.rfind(kTemporaryMark);
  if (!fileName.starts_with('.') || mark == std::string_view::npos || mark < 2) return std::nullopt;
  const std::string_view number = fileName.substr(mark + kTemporaryMark.size());
  if (number.empty() || !std::all_of(number.begin(), number.end(), [](unsigned char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::string(fileName.substr(1, mark - 1));
}

PathParts splitPath(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {"", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string fileErrorMessage(const std::string& action, const std::string& path, int err) {
  return action + " " + path + " (" + reason(err) + ").";
}

bool DiskFileSystem::fileExists(const std::string& path) const {
  struct stat st;
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string DiskFileSystem::readFile(const std::string& path) const {
  std::string data;
  struct stat st;
  if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) data.reserve(static_cast<size_t>(st.st_size));
  readPieces(path, [&](std::string_view piece) { data.append(piece); });
  return data;
}

void DiskFileSystem::readPieces(const std::string& path, const std::function<void(std::string_view)>& piece) const {
  Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) throw Error(fileErrorMessage("Soubor nelze otevřít:", path, errno));
  struct stat st;
  if (::fstat(fd.get(), &st) == 0 && S_ISDIR(st.st_mode))
    throw Error(fileErrorMessage("Soubor nelze otevřít:", path, EISDIR));
  // Full pieces but the last: a read may return less than asked.
  std::string buf(size_t{1} << 18, '\0');
  size_t filled = 0;
  for (;;) {
    const ssize_t n = ::read(fd.get(), buf.data() + filled, buf.size() - filled);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw Error(fileErrorMessage("Soubor nelze přečíst:", path, errno));
    }
    filled += static_cast<size_t>(n);
    if (n > 0 && filled < buf.size()) continue;
    if (filled > 0) piece(std::string_view(buf.data(), filled));
    if (n == 0) return;
    filled = 0;
  }
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

std::unique_ptr<HeldLock> DiskFileSystem::lockFile(const std::string& path, std::string_view bytes,
                                                   const JudgeExistingLock& judge) {
  if (path.empty()) throw Error("Zámek nelze vytvořit: není zadaná cesta.");
  // Each round either makes the lock, judges the one there, or finds that
  // one gone or replaced meanwhile and looks again.
  for (int round = 0; round < 100; ++round) {
    const int made = makeLock(path, bytes);
    if (made >= 0) return std::make_unique<DiskLock>(path, made);
    if (errno == ENOENT) continue;
    Fd existing(::open(path.c_str(), O_RDWR | O_CLOEXEC));
    const bool writable = existing.get() >= 0;
    if (!writable && errno == EACCES) existing.reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (existing.get() < 0) {
      if (errno == ENOENT) continue;
      throw Error(fileErrorMessage("Zámek nelze přečíst:", path, errno));
    }
    const bool held = !holdNow(existing.get());
    if (!held && !sameFile(existing.get(), path)) continue;
    judge(ExistingLock{readAll(existing.get(), path), held});
    if (held) throw Error("Zámek " + path + " drží jiný spuštěný program.");
    return takeOver(existing, writable, path, bytes);
  }
  throw Error("Zámek " + path + " nelze vytvořit: jiné programy ho stále mění.");
}

}  // namespace kalkora
