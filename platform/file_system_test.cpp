#include "platform/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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

}  // namespace kalkora
