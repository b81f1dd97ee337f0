#pragma once
// Shared test helpers: scripted prompts, temporary folders, file helpers, the CLI as a subprocess.
#include <deque>
#include <filesystem>
#include <string>
#include <vector>

#include "track/prompts.h"

namespace wl::test {

// Records every message and question; answers questions from a script (Yes when it runs out).
class ScriptedPrompts : public Prompts {
 public:
  struct Shown {
    std::string text;
    Icon icon;
    bool question;
  };
  void ShowMessage(const std::string& text, Icon icon) override;
  bool AskYesNo(const std::string& text, Icon icon, bool defaultNo) override;

  std::deque<bool> answers;
  std::vector<Shown> shown;
  std::vector<std::string> Texts() const;
};

// A fresh folder under the system temp folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);

// The project's own files (data/samples, tests/golden) and the shared real recordings.
std::string SourcePath(const std::string& relative);
// The folder of real recordings, or empty when it is absent (tests then skip).
std::string RealDataDir();

struct CliRun {
  int exitCode = -1;
  std::string out, err;
};
// Runs wakeline-cli with the given arguments (each passed as one word) and nothing on stdin.
CliRun RunCli(const std::vector<std::string>& args);

}  // namespace wl::test

// Skips the current test when the shared real recordings are not there.
#define WL_REQUIRE_REALDATA(dir)                                   \
  const std::string dir = ::wl::test::RealDataDir();               \
  if (dir.empty()) GTEST_SKIP() << "shared real recordings absent"
