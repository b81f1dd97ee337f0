#include "support/test_support.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace wl::test {

void ScriptedPrompts::ShowMessage(const std::string& text, Icon icon) { shown.push_back({text, icon, false}); }

bool ScriptedPrompts::AskYesNo(const std::string& text, Icon icon, bool) {
  shown.push_back({text, icon, true});
  if (answers.empty()) return true;
  bool a = answers.front();
  answers.pop_front();
  return a;
}

std::vector<std::string> ScriptedPrompts::Texts() const {
  std::vector<std::string> t;
  for (const auto& s : shown) t.push_back(s.text);
  return t;
}

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("wakeline-test-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) ADD_FAILURE() << "cannot read " << path;
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) ADD_FAILURE() << "cannot write " << path;
}

std::string SourcePath(const std::string& relative) { return std::string(WAKELINE_SOURCE_DIR) + "/" + relative; }

std::string RealDataDir() {
  std::filesystem::path p = std::filesystem::path(WAKELINE_SOURCE_DIR).parent_path() / "shared" / "realdata";
  if (std::filesystem::exists(p / "irene_2008-07-11.trt")) return p.string();
  return {};
}

static std::string Slurp(int fd) {
  std::string s;
  char buf[65536];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0) s.append(buf, static_cast<size_t>(n));
  return s;
}

CliRun RunCli(const std::vector<std::string>& args) {
  CliRun run;
  char outName[] = "/tmp/wl-cli-out-XXXXXX";
  char errName[] = "/tmp/wl-cli-err-XXXXXX";
  int outFd = mkstemp(outName), errFd = mkstemp(errName);
  pid_t pid = fork();
  if (pid == 0) {
    dup2(outFd, 1);
    dup2(errFd, 2);
    int devnull = open("/dev/null", 0);
    dup2(devnull, 0);
    std::vector<char*> argv;
    std::string exe = WAKELINE_CLI;
    argv.push_back(exe.data());
    std::vector<std::string> copy = args;
    for (auto& a : copy) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(exe.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  lseek(outFd, 0, SEEK_SET);
  lseek(errFd, 0, SEEK_SET);
  run.out = Slurp(outFd);
  run.err = Slurp(errFd);
  close(outFd);
  close(errFd);
  unlink(outName);
  unlink(errName);
  return run;
}

}  // namespace wl::test
