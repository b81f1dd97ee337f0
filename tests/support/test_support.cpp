#include "support/test_support.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
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

CliRun RunCli(const std::vector<std::string>& args) {
  const TempDir dir;
  const std::string out = dir.File("out"), err = dir.File("err");
  posix_spawn_file_actions_t io;
  posix_spawn_file_actions_init(&io);
  posix_spawn_file_actions_addopen(&io, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&io, 1, out.c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addopen(&io, 2, err.c_str(), O_WRONLY | O_CREAT, 0600);
  std::vector<std::string> words{WAKELINE_CLI};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  CliRun run;
  pid_t pid = -1;
  int status = 0;
  if (posix_spawn(&pid, argv[0], &io, nullptr, argv.data(), environ) == 0 && waitpid(pid, &status, 0) == pid &&
      WIFEXITED(status))
    run.exitCode = WEXITSTATUS(status);
  posix_spawn_file_actions_destroy(&io);
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  return run;
}

}  // namespace wl::test
