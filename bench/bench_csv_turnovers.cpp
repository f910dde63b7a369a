// Writes a turnover CSV of N lines (digit groups, quotes and decimal points
// mixed) and times its load through the same code as the window, then the
// whole kalkora-cli process on it, beside Python's csv module merely
// splitting the same file when python3 is there. Last, the peak memory of
// kalkora-cli on 10 MB of empty lines.
//   bench_csv_turnovers [lines...]   default: 100000 1000000
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench_support.h"
#include "model/workspace.h"
#include "platform/file_system.h"
#include "turnovers/csv_turnover_reader.h"

namespace {

std::string makeCsv(long lines) {
  std::string csv = "Účet;Název;Konečný stav\r\n";
  csv.reserve(static_cast<size_t>(lines) * 40);
  for (long i = 1; i < lines; ++i) {
    const long account = 100000 + (i * 7919) % 900000;
    switch (i % 3) {
      case 0: csv += std::to_string(account) + ";Pohledávky;" + std::to_string(i % 9999) + " 234,50\r\n"; break;
      case 1: csv += "\"" + std::to_string(account / 1000) + "." + std::to_string(account % 1000) + "\";\"Text\";\"-" +
                     std::to_string(i) + ".125\"\r\n"; break;
      default: csv += std::to_string(account) + ";Zásoby;" + std::to_string(i) + ",5\r\n";
    }
  }
  return csv;
}

struct Run {
  double seconds = 0;
  long peakMb = 0;
  bool ok = false;
};

// Runs a shell command (its last program replacing the shell) and measures
// that process alone: wall time and peak resident memory.
Run run(const std::string& command) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execl("/bin/sh", "sh", "-c", ("exec " + command).c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Run r;
  r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  r.peakMb = usage.ru_maxrss / 1024;
  r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return r;
}

std::string cliLoad(const std::string& path) {
  return std::string(KALKORA_CLI) + " --mode 1 --source " + path +
         " --set Ucet=1 --set Castka=3 --set PrvniRadek=2 --set Oddelovac=';' >/dev/null";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<long> sizes = benchSizes(argc, argv, {100000, 1000000});
  const bool python = std::system("command -v python3 >/dev/null 2>&1") == 0;
  kalkora::DiskFileSystem fs;
  SilentMessages messages;
  for (long n : sizes) {
    const std::string path = "/tmp/kalkora_bench_" + std::to_string(n) + ".csv";
    fs.writeFile(path, makeCsv(n));
    // The processes first: a child forked later would count the loaded table
    // among its own peak memory until it starts its program.
    const Run cli = run(cliLoad(path));
    const Run split = python ? run("python3 -c 'import csv, sys\nfor row in csv.reader(open(sys.argv[1], "
                                   "encoding=\"utf-8\", newline=\"\"), delimiter=\";\"): pass' " + path)
                             : Run{};
    kalkora::Services services{fs, messages, kalkora::Regional{}};
    kalkora::Workspace ws;
    ws.params.Edit3 = path;
    ws.params.Edit5 = "1";
    ws.params.Edit6 = "3";
    ws.params.Edit7 = "2";
    const auto start = std::chrono::steady_clock::now();
    kalkora::NaplnitCSVobraty(ws, services);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("CSV turnovers: %ld lines -> %d rows in %.3f s\n", n, ws.table.rowCount() - 1, seconds);
    std::printf("  kalkora-cli process: %.3f s, peak %ld MB%s\n", cli.seconds, cli.peakMb, cli.ok ? "" : " (failed)");
    if (python) {
      std::printf("  python3 csv split:   %.3f s, peak %ld MB (kalkora-cli %.1f times as fast)\n", split.seconds,
                  split.peakMb, split.seconds / cli.seconds);
    }
    std::remove(path.c_str());
  }
  const std::string empty = "/tmp/kalkora_bench_empty_lines.csv";
  fs.writeFile(empty, std::string(10 << 20, '\n'));
  const Run cli = run(cliLoad(empty));
  std::printf("10 MB of empty lines: kalkora-cli %.3f s, peak %ld MB%s\n", cli.seconds, cli.peakMb,
              cli.ok ? "" : " (failed)");
  std::remove(empty.c_str());
}
