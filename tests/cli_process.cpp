#include "cli_process.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

#include "platform/file_system.h"
#include "xlsx/xlsx_spreadsheet.h"

extern char** environ;

namespace kalkora::e2e {
namespace {

std::string slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

ScratchDir::ScratchDir() {
  char tmpl[] = "/tmp/kalkora_e2e_XXXXXX";
  path = mkdtemp(tmpl);
}

ScratchDir::~ScratchDir() { std::filesystem::remove_all(path); }

void ScratchDir::write(const std::string& name, const std::string& bytes) const {
  std::ofstream(path / name, std::ios::binary) << bytes;
}

std::string ScratchDir::read(const std::string& name) const { return slurp(path / name); }

CliRun::CliRun(const std::vector<std::string>& args, const std::vector<std::string>& wrapper) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, io_.file("stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, io_.file("stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  std::vector<std::string> argvStrings = wrapper;
  argvStrings.push_back(KALKORA_CLI_PATH);
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& a : argvStrings) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) pid_ = pid;
  posix_spawn_file_actions_destroy(&actions);
}

CliResult CliRun::wait() {
  CliResult result;
  if (pid_ > 0) {
    int status = 0;
    waitpid(pid_, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    pid_ = -1;
  }
  result.out = slurp(io_.file("stdout"));
  result.err = slurp(io_.file("stderr"));
  return result;
}

CliResult runKalkoraCli(const std::vector<std::string>& args) { return CliRun(args).wait(); }

std::string cellOf(const std::string& workbook, int sheet, int row, int column) {
  DiskFileSystem fs;
  XlsxSpreadsheet spreadsheet(fs, Regional{});
  spreadsheet.open(workbook);
  return spreadsheet.readCell(sheet, row, column);
}

}  // namespace kalkora::e2e
