#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <vector>

#include "platform/error.h"

namespace kalkora {
namespace {

struct TempDir {
  std::filesystem::path path;
  TempDir() {
    char tmpl[] = "/tmp/kalkora_fs_XXXXXX";
    path = mkdtemp(tmpl);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
};

std::string messageOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Error& e) {
    return e.what();
  }
  return "";
}

}  // namespace

TEST(DiskFileSystem, ReplacesFilesWholeAndKeepsTheirMode) {
  TempDir dir;
  DiskFileSystem fs;
  const std::string file = (dir.path / "a.csv").string();
  EXPECT_FALSE(fs.fileExists(file));
  fs.writeFile(file, "first");
  ::chmod(file.c_str(), 0600);
  fs.writeFile(file, "second\r\n");
  EXPECT_EQ(fs.readFile(file), "second\r\n");
  struct stat st;
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);
  EXPECT_FALSE(fs.fileExists(dir.path.string()));  // a folder is not a file
}

TEST(DiskFileSystem, FailuresCarryCzechMessages) {
  TempDir dir;
  DiskFileSystem fs;
  EXPECT_NE(messageOf([&] { fs.readFile((dir.path / "chybi.csv").string()); }).find("neexistuje"), std::string::npos);
  EXPECT_NE(messageOf([&] { fs.readFile(dir.path.string()); }).find("složku"), std::string::npos);
  // A file that opens but cannot be read: the kernel refuses reads of a
  // process's own memory file at unmapped addresses.
  EXPECT_NE(messageOf([&] { fs.readFile("/proc/self/mem"); }).find("chyba čtení nebo zápisu"), std::string::npos);
  EXPECT_NE(messageOf([&] { fs.writeFile((dir.path / "x" / "y.csv").string(), "a"); }).find("nelze zapsat"),
            std::string::npos);
  EXPECT_NE(messageOf([&] { fs.writeFile("", "a"); }).find("není zadaná cesta"), std::string::npos);
}

// A lock held by another process is seen as held, and seen as free the
// moment that process is killed, whatever its file says; of several
// processes that find a lock free at once, one takes it over at a time.
TEST(DiskFileSystem, ALockIsHeldForExactlyAsLongAsItsProcessRuns) {
  TempDir dir;
  const std::string lock = (dir.path / ".~lock.K.xlsx#").string();
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    DiskFileSystem fs;
    auto held = fs.lockFile(lock, "jeho;", [](const ExistingLock&) { std::_Exit(2); });
    ::write(ready[1], "x", 1);
    ::pause();
  }
  char byte;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  DiskFileSystem fs;
  std::vector<ExistingLock> seen;
  const JudgeExistingLock judge = [&](const ExistingLock& existing) {
    seen.push_back(existing);
    if (existing.held) throw Error("drží ho");
  };
  EXPECT_THROW(fs.lockFile(lock, "můj;", judge), Error);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  {
    auto mine = fs.lockFile(lock, "můj;", judge);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_TRUE(seen[0].held);
    EXPECT_FALSE(seen[1].held);
    EXPECT_EQ(seen[1].bytes, "jeho;");
    EXPECT_EQ(fs.readFile(lock), "můj;");
  }
  EXPECT_FALSE(std::filesystem::exists(lock));

  // Four processes at a stale lock: each that gets it holds it a while and
  // says so; none may find another holding it then.
  fs.writeFile(lock, "mrtvý;");
  std::vector<pid_t> takers;
  for (int i = 0; i < 4; ++i) {
    const pid_t taker = ::fork();
    if (taker == 0) {
      DiskFileSystem own;
      int outcome = 1;
      try {
        auto held = own.lockFile(lock, "živý;", [](const ExistingLock& e) {
          if (e.held) throw Error("drží ho");
        });
        const std::string marker = lock + ".holder";
        outcome = ::mkdir(marker.c_str(), 0700) == 0 ? 0 : 3;
        ::usleep(100000);
        ::rmdir(marker.c_str());
      } catch (const Error&) {
      }
      std::_Exit(outcome);
    }
    takers.push_back(taker);
  }
  int tookIt = 0;
  for (const pid_t taker : takers) {
    int status = 0;
    ::waitpid(taker, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), 3);
    tookIt += WEXITSTATUS(status) == 0;
  }
  EXPECT_GE(tookIt, 1);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 0);
}

}  // namespace kalkora
