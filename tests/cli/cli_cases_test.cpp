// wakeline-cli from the case files in tests/cli/cases: command lines with their exact exit code,
// stdout, stderr and written files. The format is described in cases/README.md.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include "support/test_support.h"

namespace wl {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> CaseFiles() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(test::SourcePath("tests/cli/cases")))
    if (e.path().extension() == ".txt") names.push_back(e.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

class CliCases : public ::testing::TestWithParam<std::string> {
 protected:
  // The text with its placeholders filled in and its escapes replaced.
  std::string Expand(const std::string& text) const {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
      const size_t close = text.find('}', i);
      const std::string name = text[i] == '{' && close != text.npos ? text.substr(i + 1, close - i - 1) : "";
      if (text[i] == '\\' && i + 1 < text.size()) {
        const char c = text[++i];
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : c;
      } else if (places_.count(name)) {
        out += places_.at(name);
        i = close;
      } else {
        out += text[i];
      }
    }
    return out;
  }
  // Words split at blanks, "..." keeping them.
  std::vector<std::string> Words(const std::string& line) const {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool open = false;
    for (const char c : line + " ") {
      if (c == ' ' && !quoted) {
        if (open) words.push_back(Expand(word));
        word.clear();
        open = false;
        continue;
      }
      open = true;
      if (c == '"') quoted = !quoted;
      else word += c;
    }
    return words;
  }
  // The lines from `at` on that start with prefix (or are just prefix without its blank), expanded.
  std::string Block(size_t& at, const std::string& prefix) const {
    std::string text;
    for (; at < lines_.size() && (lines_[at] + " ").starts_with(prefix); ++at)
      text += Expand(lines_[at].substr(std::min(prefix.size(), lines_[at].size()))) + "\n";
    return text;
  }
  bool Next(size_t at, const std::string& prefix) const { return at < lines_.size() && lines_[at].starts_with(prefix); }

  test::TempDir tmp_;
  std::map<std::string, std::string> places_;
  std::vector<std::string> lines_;
};

TEST_P(CliCases, Run) {
  std::ifstream in(test::SourcePath("tests/cli/cases/" + GetParam() + ".txt"));
  for (std::string line; std::getline(in, line);) lines_.push_back(line);
  ASSERT_FALSE(lines_.empty());
  const std::string real = test::RealDataDir();
  places_ = {{"samples", test::SourcePath("data/samples")}, {"tmp", tmp_.path().string()}, {"real", real}};
  const auto usesReal = [](const std::string& l) { return l.find("{real}") != l.npos; };
  if (real.empty() && std::any_of(lines_.begin(), lines_.end(), usesReal)) GTEST_SKIP() << "no real recordings";
  for (size_t at = 0; at < lines_.size();) {
    const std::string line = lines_[at++];
    SCOPED_TRACE(GetParam() + ".txt:" + std::to_string(at) + ": " + line);
    const std::vector<std::string> words = Words(line);
    const size_t n = words.size();
    if ((line + " ").starts_with("$ ")) {
      const int exitCode = Next(at, "exit ") ? std::stoi(lines_[at++].substr(5)) : 0;
      std::string out = Block(at, "> ");
      if (Next(at, "stdout ")) out = test::ReadFile(test::SourcePath("tests/" + lines_[at++].substr(7)));
      const std::string err = Block(at, "2> ");
      const test::CliRun run = test::RunCli(std::vector<std::string>(words.begin() + 1, words.end()));
      EXPECT_EQ(run.exitCode, exitCode);
      EXPECT_EQ(run.out, out);
      EXPECT_EQ(run.err, err);
    } else if (n == 4 && words[0] == "write" && words[2] == "zeros") {
      test::WriteFile(words[1], std::string(std::stoul(words[3]), '\0'));
    } else if (n == 2 && words[0] == "write") {
      test::WriteFile(words[1], Block(at, "| "));
    } else if (n == 3 && words[0] == "expect" && words[2] == "absent") {
      EXPECT_FALSE(fs::exists(words[1]));
    } else if (n == 4 && words[0] == "expect" && words[2] == "=") {
      EXPECT_EQ(test::ReadFile(words[1]), test::ReadFile(words[3]));
    } else if (n == 2 && words[0] == "expect") {
      EXPECT_EQ(test::ReadFile(words[1]), Block(at, "| "));
    } else {
      EXPECT_TRUE(n == 0 || line.starts_with("#")) << "not a case line";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Files, CliCases, ::testing::ValuesIn(CaseFiles()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace wl
