#include "track/track_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>

#include "track/atomic_file.h"
#include "track/pending_temp_files.h"
#include "track_rig.h"

namespace wl {
namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

// Records that differ in their first byte, with every field set (spares too).
std::string Records(int32_t count) {
  std::string bytes;
  for (int32_t i = 0; i < count; ++i) {
    std::string r("\xb0\x10\x30\x00\xd8\x5c\x8f\xff\xff\xff\x34\x12\x00\x80\x83"
                  "\x00\x00\x00\x00\x50\x00\x00\x00\x00\x00\x00\xf0\x3f\xfb\xff", kTrcRecordSize);
    r[0] = static_cast<char>(i);
    bytes += r;
  }
  return bytes;
}

std::string TrtLine(int i) {
  return "20080503 12:00:0" + std::to_string(i) + ",52.5,4.1,6.5,1.5,0,0,12.3,1,2,3,4,5,0,0.5,5.25,extra";
}

// A rig holding the track read from bytes, its messages cleared.
struct Rig : test::TrackRig {
  void Load(const std::string& name, const std::string& bytes) {
    ASSERT_EQ(Open(name, bytes).outcome, ReadOutcome::Inserted);
    prompts.shown.clear();
  }
};

// A TRC track goes only to .trc, as wakeline-cli convert shows.
TEST(Writer, TrcTrackExactlyTheKeptRecords) {
  Rig rig;
  EXPECT_FALSE(rig.Write("x.trc"));  // no track kind yet: nothing written
  rig.Load("in.trc", Records(3));
  test::WriteFile(rig.dir.File("OUT.TRC"), std::string(1000, 'x'));
  ASSERT_TRUE(rig.Write("OUT.TRC"));
  EXPECT_TRUE(rig.prompts.shown.empty());
  EXPECT_EQ(rig.Bytes("OUT.TRC"), Records(3));
  EXPECT_EQ(rig.store.InputFileName, rig.dir.File("OUT.TRC"));
  ASSERT_TRUE(rig.Write("odd.trc", [](int32_t i) { return i != 1; }));
  EXPECT_EQ(rig.Bytes("odd.trc"), Records(1) + Records(3).substr(2 * kTrcRecordSize));
  ASSERT_TRUE(rig.Write("none.trc", [](int32_t) { return false; }));
  EXPECT_EQ(rig.Bytes("none.trc"), "");
  EXPECT_EQ(rig.Entries(), (Texts{"OUT.TRC", "in.trc", "none.trc", "odd.trc"}));
}

TEST(Writer, TrtTrackAsTextLinesWithoutComments) {
  Rig rig;
  rig.Load("in.trt", "/* head\r\n" + TrtLine(0) + "\n" + TrtLine(1) + "\r/* mid\r\n" + TrtLine(2));
  ASSERT_TRUE(rig.Write("out.trt"));
  EXPECT_EQ(rig.prompts.Texts(), Texts{"writing track file does not write comment lines (yet)!"});
  EXPECT_EQ(rig.prompts.shown[0].icon, Icon::Exclamation);
  EXPECT_EQ(rig.Bytes("out.trt"), TrtLine(0) + "\r\n" + TrtLine(1) + "\r\n" + TrtLine(2) + "\r\n");
  EXPECT_EQ(rig.store.InputFileName, rig.dir.File("out.trt"));
  rig.prompts.shown.clear();
  rig.store.TrackComments.clear();
  ASSERT_TRUE(rig.Write("tacks.txt", [](int32_t i) { return i == 2; }));
  EXPECT_TRUE(rig.prompts.shown.empty());
  EXPECT_EQ(rig.Bytes("tacks.txt"), TrtLine(2) + "\r\n");
}

TEST(Writer, FailuresLeaveNoTraceAndAreReported) {
  Rig rig;
  rig.Load("in.trc", Records(1));
  fs::create_directory(rig.dir.File("folder.trc"));
  // No temporary file can be made; one is made and cannot replace the target.
  const std::pair<std::string, std::string> cases[] = {{rig.dir.File("missing/x.trc"), "No such file or directory"},
                                                       {rig.dir.File("folder.trc"), "Is a directory"}};
  for (const auto& [name, reason] : cases) {
    rig.prompts.shown.clear();
    EXPECT_FALSE(rig.Write(name)) << name;
    ASSERT_EQ(rig.prompts.shown.size(), 1u) << name;
    EXPECT_EQ(rig.prompts.shown[0].text, name + "\r\ncould not be written: " + reason);
    EXPECT_EQ(rig.prompts.shown[0].icon, Icon::Exclamation);
  }
  EXPECT_TRUE(fs::is_empty(rig.dir.File("folder.trc")));
  EXPECT_EQ(rig.Entries(), (Texts{"folder.trc", "in.trc"}));
}

// The file-size limit makes a write fail half-way, as a full disk would (root ignores modes).
TEST(Writer, FailedWriteKeepsTheOldFile) {
  Rig rig;
  rig.Load("in.trc", Records(100));
  test::WriteFile(rig.dir.File("old.trc"), "old contents");
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool ok = rig.Write("old.trc");
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(ok);
  EXPECT_EQ(rig.prompts.Texts(), Texts{rig.dir.File("old.trc") + "\r\ncould not be written: " + std::strerror(EFBIG)});
  EXPECT_EQ(rig.Bytes("old.trc"), "old contents");
  EXPECT_EQ(rig.Entries(), (Texts{"in.trc", "old.trc"}));
}

TEST(Writer, ModesAndLinksAreKept) {
  Rig rig;
  rig.Load("in.trc", Records(1));
  const mode_t mask = umask(022);
  struct stat st {};
  for (mode_t mode : {0644u, 0600u}) {  // a new file gets the default; an existing one keeps its own
    if (mode == 0600u) chmod(rig.dir.File("new.trc").c_str(), 0600);
    ASSERT_TRUE(rig.Write("new.trc"));
    ASSERT_EQ(stat(rig.dir.File("new.trc").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, mode);
  }
  umask(mask);
  fs::create_symlink("new.trc", rig.dir.File("link.trc"));
  test::WriteFile(rig.dir.File("new.trc"), "x");
  ASSERT_TRUE(rig.Write("link.trc"));
  EXPECT_TRUE(fs::is_symlink(rig.dir.File("link.trc")));
  EXPECT_EQ(rig.Bytes("new.trc"), Records(1));
}

int gSignalUnderTest = 0;

// A save cut short by a signal: the temporary file goes and the signal still ends the process; an
// ignored signal stays ignored. The file-size limit stops the write half-way, and its own signal is
// turned into the one under test.
TEST(Writer, InterruptedSaveLeavesNoTemporaryFile) {
  for (const auto& [sig, ignored] : {std::pair{SIGINT, false}, {SIGTERM, false}, {SIGHUP, false}, {SIGTERM, true}}) {
    test::TempDir dir;
    const std::string target = dir.File("old.trc");
    test::WriteFile(target, "old contents");
    const pid_t pid = fork();
    if (pid == 0) {
      if (ignored) std::signal(sig, SIG_IGN);
      RemoveTempFilesOnSignals();
      gSignalUnderTest = sig;
      std::signal(SIGXFSZ, [](int) { raise(gSignalUnderTest); });
      rlimit limit{};
      getrlimit(RLIMIT_FSIZE, &limit);
      limit.rlim_cur = 1000;
      setrlimit(RLIMIT_FSIZE, &limit);
      std::string reason;
      _exit(WriteFileAtomically(target, std::string(100000, 'x'), reason) ? 3 : 4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    if (ignored) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 4) << status;
    } else {
      EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == sig) << sig << " " << status;
    }
    EXPECT_EQ(test::ReadFile(target), "old contents");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator{}), 1) << sig;
  }
}

}  // namespace
}  // namespace wl
