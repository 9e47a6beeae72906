// The files of a run on disk: outputs that would destroy the input or each
// other, inputs that are not regular files, outputs that are devices, and
// files that cannot be written completely.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

using testing::FileExists;
using testing::FileLines;
using testing::FindLine;
using testing::ReadFile;
using testing::TempDir;
using testing::WriteFile;

RunOptions FixedClock(RunOutcome* outcome) {
  RunOptions o;
  o.clock = [] { return DateTime{2026, 12, 10, 9, 5, 7}; };
  o.outcome = outcome;
  return o;
}

RunFiles FilesIn(const TempDir& dir) {
  return {dir.File("in.tv6"), dir.File("run.out"), dir.File("run.plt"), dir.File("run.msg")};
}

std::string Quickstart() {
  return ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/quickstart.tv6");
}

bool Contains(const std::vector<std::string>& lines, const std::string& part) {
  for (const std::string& l : lines) {
    if (l.find(part) != std::string::npos) return true;
  }
  return false;
}

TEST(RunFiles, OutputsThatNameTheInputOrEachOtherAreRefusedBeforeAnythingIsWritten) {
  const std::string old_output = "an old report that must survive\n";
  struct Case {
    const char* name;
    // Lays out the files in d and returns the paths of the run.
    std::function<RunFiles(const TempDir& d)> setup;
    const char* same_as;   // "the same file as the ..." in the reason
    bool message_written;  // the message file is none of the files that clash
  };
  const Case cases[] = {
      {"report path is the input path",
       [](const TempDir& d) {
         RunFiles f = FilesIn(d);
         f.report = f.input;
         return f;
       },
       "input data file", true},
      {"message file is the input by another spelling",
       [](const TempDir& d) {
         mkdir(d.File("sub").c_str(), 0700);
         RunFiles f = FilesIn(d);
         f.message = d.File("sub/.././in.tv6");
         return f;
       },
       "input data file", false},
      {"plot file is a hard link to the input",
       [](const TempDir& d) {
         RunFiles f = FilesIn(d);
         link(f.input.c_str(), f.plot.c_str());
         return f;
       },
       "input data file", true},
      {"report is a symbolic link to the input",
       [](const TempDir& d) {
         RunFiles f = FilesIn(d);
         symlink(f.input.c_str(), f.report.c_str());
         return f;
       },
       "input data file", true},
      {"report and plot are one existing file",
       [&old_output](const TempDir& d) {
         RunFiles f = FilesIn(d);
         WriteFile(d.File("old.out"), old_output);
         f.report = f.plot = d.File("old.out");
         return f;
       },
       "output report file", true},
      {"plot and message are one new file spelled two ways",
       [](const TempDir& d) {
         mkdir(d.File("sub").c_str(), 0700);
         RunFiles f = FilesIn(d);
         f.message = d.File("sub/../run.plt");
         return f;
       },
       "plot output file", false},
      {"report is a link to a file not yet made, which the plot path names",
       [](const TempDir& d) {
         RunFiles f = FilesIn(d);
         symlink(d.File("target.txt").c_str(), f.report.c_str());
         f.plot = d.File("target.txt");
         return f;
       },
       "output report file", true},
  };
  for (const Case& c : cases) {
    TempDir d;
    WriteFile(d.File("in.tv6"), Quickstart());
    const RunFiles files = c.setup(d);
    const std::string paths[4] = {files.input, files.report, files.plot, files.message};
    // What each path holds before the run (empty when there is nothing).
    std::string before[4];
    for (int i = 0; i < 4; ++i) before[i] = FileExists(paths[i]) ? ReadFile(paths[i]) : "";
    bool existed[4];
    for (int i = 0; i < 4; ++i) existed[i] = FileExists(paths[i]);

    RunOutcome outcome;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(files, FixedClock(&outcome)), 208) << c.name;
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(testing::ErrorIdentity(outcome), "RUN00008") << c.name;
    EXPECT_EQ(ReadFile(files.input), Quickstart()) << c.name;
    // Both paths are named, on the standard error stream and to the host.
    const std::string reason = std::string("it is the same file as the ") + c.same_as + " ";
    EXPECT_NE(err.find(reason), std::string::npos) << c.name << "\n" << err;
    EXPECT_TRUE(Contains(testing::ErrorMessage(outcome), reason)) << c.name;
    int named = 0;
    for (const std::string& p : paths) named += err.find(p) != std::string::npos ? 1 : 0;
    EXPECT_GE(named, 2) << c.name << "\n" << err;
    // No file that was there changed; the plot file is never made.
    for (int i = 0; i < 4; ++i) {
      if (existed[i]) {
        EXPECT_EQ(ReadFile(paths[i]), before[i]) << c.name << " " << paths[i];
      }
    }
    if (!existed[2]) {
      EXPECT_FALSE(FileExists(files.plot)) << c.name;
    }
    if (c.message_written) {
      const auto message = FileLines(files.message);
      EXPECT_GE(FindLine(message, "**** Runtime Error No. 8 ****"), 0) << c.name;
      EXPECT_GE(FindLine(message, "The analysis ended due to a runtime error. "), 0) << c.name;
    }
  }
}

TEST(RunFiles, ControlFileNamingTheInputAsReportLeavesTheInput) {
  TempDir d;
  WriteFile(d.File("in.tv6"), Quickstart());
  WriteFile(d.File("NAMES.DAT"), d.File("in.tv6") + "\n" + d.File("in.tv6") + "\n" +
                                     d.File("a.plt") + "\n" + d.File("a.msg") + "\n");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(run_with_control_file(d.File("NAMES.DAT")), 208);
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(ReadFile(d.File("in.tv6")), Quickstart());
  EXPECT_FALSE(FileExists(d.File("a.plt")));
}

TEST(RunFiles, InputsThatAreNotRegularFilesAreRefusedWithoutWaiting) {
  struct Case {
    const char* name;
    std::function<void(const std::string& path)> make;
    const char* reason;
  };
  const Case cases[] = {
      {"FIFO", [](const std::string& p) { mkfifo(p.c_str(), 0600); },
       "it is a FIFO (named pipe), not a regular file"},
      {"socket",
       [](const std::string& p) {
         const int s = socket(AF_UNIX, SOCK_STREAM, 0);
         sockaddr_un addr{};
         addr.sun_family = AF_UNIX;
         p.copy(addr.sun_path, sizeof addr.sun_path - 1);
         bind(s, reinterpret_cast<const sockaddr*>(&addr), sizeof addr);
         close(s);
       },
       "it is a socket, not a regular file"},
      {"device", [](const std::string& p) { symlink("/dev/zero", p.c_str()); },
       "it is a device, not a regular file"},
  };
  for (const Case& c : cases) {
    TempDir d;
    const RunFiles files = FilesIn(d);
    c.make(files.input);
    RunOutcome outcome;
    std::promise<int> done;
    std::future<int> result = done.get_future();
    std::thread runner([&] {
      ::testing::internal::CaptureStderr();
      const int r = run(files, FixedClock(&outcome));
      ::testing::internal::GetCapturedStderr();
      done.set_value(r);
    });
    if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
      ADD_FAILURE() << c.name << ": the run waits on its input";
      // Give the waiting open a writer so that the run ends and the test can.
      const int fd = open(files.input.c_str(), O_WRONLY | O_NONBLOCK);
      if (fd >= 0) close(fd);
    }
    runner.join();
    EXPECT_EQ(result.get(), 207) << c.name;
    EXPECT_EQ(testing::ErrorIdentity(outcome), "RUN00007") << c.name;
    EXPECT_TRUE(Contains(testing::ErrorMessage(outcome), std::string("Reason: ") + c.reason))
        << c.name;
  }
}

TEST(RunFiles, CharacterDevicesTakeTheOutput) {
  TempDir d;
  const RunFiles plain = FilesIn(d);
  WriteFile(plain.input, Quickstart());
  const int expected = run(plain, FixedClock(nullptr));
  ASSERT_LE(expected, 0);
  // The report and the plot file both to /dev/null: a device that any number
  // of files may share.
  const RunFiles sunk{plain.input, "/dev/null", "/dev/null", d.File("sunk.msg")};
  RunOutcome outcome;
  EXPECT_EQ(run(sunk, FixedClock(&outcome)), expected);
  EXPECT_EQ(testing::ErrorIdentity(outcome), "");
  EXPECT_EQ(FileLines(sunk.message), FileLines(plain.message));
}

TEST(RunFiles, AFileThatCannotBeWrittenCompletelyEndsTheRunWithError8) {
  struct Case {
    const char* name;
    int full;  // 1 report, 2 plot, 3 message file: /dev/full
    const char* what;
  };
  const Case cases[] = {{"report", 1, "The output report file could not be written completely"},
                        {"plot", 2, "The plot output file could not be written completely"},
                        {"message", 3, "The runtime message file could not be written completely"}};
  for (const Case& c : cases) {
    TempDir d;
    RunFiles files = FilesIn(d);
    WriteFile(files.input, Quickstart());
    (c.full == 1 ? files.report : c.full == 2 ? files.plot : files.message) = "/dev/full";
    RunOutcome outcome;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(files, FixedClock(&outcome)), 208) << c.name;
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(testing::ErrorIdentity(outcome), "RUN00008") << c.name;
    EXPECT_NE(err.find(std::string(c.what) + ": /dev/full"), std::string::npos) << err;
    EXPECT_NE(err.find("Reason: No space left on device.  The file is incomplete."),
              std::string::npos)
        << err;
    // The files that could be written say how the run ended; none says normally.
    for (const std::string* path : {&files.report, &files.message}) {
      if (*path == "/dev/full") continue;
      const auto lines = FileLines(*path);
      EXPECT_LT(FindLine(lines, "The analysis ended normally. "), 0) << c.name << " " << *path;
      ASSERT_GE(lines.size(), 2U) << c.name;
      EXPECT_EQ(lines[lines.size() - 2], "The analysis ended due to a runtime error. ") << c.name;
      EXPECT_GE(FindLine(lines, std::string(c.what) + ": /dev/full"), 0) << c.name << *path;
    }
  }
}

TEST(RunFiles, TwoRunsWritingTheSameFilesLeaveEachFileWholeFromOneRun) {
  // Two inputs of one name in two folders, their outputs in one folder:
  // every file, after any number of runs at once, is all of one run's.
  TempDir d;
  mkdir(d.File("a").c_str(), 0700);
  mkdir(d.File("b").c_str(), 0700);
  WriteFile(d.File("a/pile.tv6"), Quickstart());
  WriteFile(d.File("b/pile.tv6"),
            ReadFile(std::string(TARVEX_SOURCE_DIR) + "/examples/steel_pipe_api_sand_uscs.tv6"));
  auto files = [&d](const char* folder) {
    return RunFiles{d.File(std::string(folder) + "/pile.tv6"), d.File("pile.out"),
                    d.File("pile.plt"), d.File("pile.msg")};
  };
  const char* names[3] = {"pile.out", "pile.plt", "pile.msg"};
  std::string alone[2][3];
  for (int r = 0; r < 2; ++r) {
    ASSERT_LE(run(files(r == 0 ? "a" : "b"), FixedClock(nullptr)), 0);
    for (int k = 0; k < 3; ++k) alone[r][k] = ReadFile(d.File(names[k]));
  }
  ASSERT_NE(alone[0][0], alone[1][0]);
  for (int round = 0; round < 20; ++round) {
    std::thread ta([&] { run(files("a"), FixedClock(nullptr)); });
    std::thread tb([&] { run(files("b"), FixedClock(nullptr)); });
    ta.join();
    tb.join();
    for (int k = 0; k < 3; ++k) {
      const std::string now = ReadFile(d.File(names[k]));
      EXPECT_TRUE(now == alone[0][k] || now == alone[1][k]) << names[k] << " round " << round;
    }
  }
  // No temporary file is left behind.
  int entries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(d.path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 5);  // a, b and the three files
}

TEST(RunFiles, ReplacingAFileKeepsItsLinkAndPermissionsAndRefusesAReadOnlyOne) {
  TempDir d;
  RunFiles files = FilesIn(d);
  WriteFile(files.input, Quickstart());
  // The report path is a link to a file elsewhere: that file is replaced,
  // the link stays.
  mkdir(d.File("kept").c_str(), 0700);
  WriteFile(d.File("kept/report.txt"), "old\n");
  chmod(d.File("kept/report.txt").c_str(), 0640);
  files.report = d.File("link.out");
  symlink(d.File("kept/report.txt").c_str(), files.report.c_str());
  ASSERT_LE(run(files, FixedClock(nullptr)), 0);
  struct stat st {};
  ASSERT_EQ(lstat(files.report.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(d.File("kept/report.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640U);
  EXPECT_GE(FindLine(FileLines(d.File("kept/report.txt")), "The analysis ended normally. "), 0);
  // A plot file the user may not write is not replaced (root may write any).
  if (geteuid() != 0) {
    WriteFile(files.plot, "read only\n");
    chmod(files.plot.c_str(), 0444);
    RunOutcome outcome;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run(files, FixedClock(&outcome)), 208);
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadFile(files.plot), "read only\n");
  }
}

TEST(RunFiles, ControlFilePathsLoseTheirBlanksAtBothEnds) {
  TempDir d;
  WriteFile(d.File("in.tv6"), "TARVEX5\n");
  WriteFile(d.File("NAMES.DAT"), "  " + d.File("in.tv6") + "  \n\t" + d.File("a.out") + "\n " +
                                     d.File("a.plt") + "\t\n   " + d.File("a.msg") + "\n");
  EXPECT_EQ(run_with_control_file(d.File("NAMES.DAT")), 106);
  EXPECT_TRUE(FileExists(d.File("a.out")));
  EXPECT_TRUE(FileExists(d.File("a.plt")));
  EXPECT_TRUE(FileExists(d.File("a.msg")));
}

}  // namespace
}  // namespace tarvex
