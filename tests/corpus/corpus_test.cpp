// The regression corpus: hostile input files, each run through the engine in
// a child process of its own, so that a crash or a hang shows against the
// file that caused it. Every file must end as its sidecar file says, without
// a signal and without a change to the input file. README.md in this folder
// gives the convention.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/test_support.hpp"
#include "tarvex/engine.hpp"

namespace tarvex {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::TempDir;

// Longer than any run of a small file takes, even under the sanitizers.
constexpr auto kTimeLimit = std::chrono::seconds(120);

struct Expectation {
  bool has_result = false;
  int result = 0;
  std::string identity;  // empty: not checked
  std::string problem;   // what is wrong with the sidecar file itself
};

// The sidecar: "result N" and/or "identity X" lines; "#" starts a comment.
Expectation ReadSidecar(const fs::path& path) {
  Expectation e;
  std::ifstream in(path);
  if (!in) {
    e.problem = "no sidecar file " + path.filename().string();
    return e;
  }
  std::string line;
  while (std::getline(in, line)) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    std::string key, value, extra;
    if (!(words >> key)) continue;
    if (!(words >> value) || (words >> extra)) {
      e.problem = "sidecar line not \"key value\": " + line;
    } else if (key == "result") {
      std::size_t used = 0;
      try {
        e.result = std::stoi(value, &used);
      } catch (const std::exception&) {
        used = 0;
      }
      if (used != value.size()) e.problem = "result not an integer: " + value;
      e.has_result = true;
    } else if (key == "identity") {
      e.identity = value;
    } else {
      e.problem = "unknown sidecar key: " + key;
    }
  }
  if (e.problem.empty() && !e.has_result && e.identity.empty()) {
    e.problem = "sidecar names neither a result nor an identity";
  }
  return e;
}

struct Outcome {
  std::string failure;  // empty when the child ended in order
  int result = 0;
  std::string identity;
};

// Runs the engine on `input` in a child process; outputs go beside it.
Outcome RunIsolated(const std::string& input, const TempDir& dir) {
  int fds[2];
  if (pipe(fds) != 0) return {"pipe failed", 0, ""};
  const pid_t child = fork();
  if (child < 0) return {"fork failed", 0, ""};
  if (child == 0) {
    close(fds[0]);
    RunOutcome outcome;
    RunOptions options;
    options.clock = [] { return DateTime{2026, 1, 1, 0, 0, 0}; };
    options.outcome = &outcome;
    // The engine's own messages to the standard error stream are not wanted here.
    if (std::freopen("/dev/null", "w", stderr) == nullptr) _exit(3);
    const int result =
        run({input, dir.File("run.out"), dir.File("run.plt"), dir.File("run.msg")}, options);
    const std::string reply = std::to_string(result) + " " + testing::ErrorIdentity(outcome) + "\n";
    const bool sent =
        write(fds[1], reply.data(), reply.size()) == static_cast<ssize_t>(reply.size());
    _exit(sent ? 0 : 4);
  }
  close(fds[1]);
  int status = 0;
  const auto deadline = std::chrono::steady_clock::now() + kTimeLimit;
  pid_t done = 0;
  while ((done = waitpid(child, &status, WNOHANG)) == 0 &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  Outcome o;
  if (done == 0) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
    o.failure = "no end within the time limit (a hang?)";
  } else if (WIFSIGNALED(status)) {
    o.failure = "killed by signal " + std::to_string(WTERMSIG(status)) + " (" +
                strsignal(WTERMSIG(status)) + ")";
  } else if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    o.failure = "the child ended with status " + std::to_string(WEXITSTATUS(status));
  }
  std::string reply;
  char buf[256];
  ssize_t n = 0;
  while ((n = read(fds[0], buf, sizeof buf)) > 0) reply.append(buf, static_cast<std::size_t>(n));
  close(fds[0]);
  if (o.failure.empty()) {
    std::istringstream words(reply);
    if (!(words >> o.result)) o.failure = "no result from the child";
    words >> o.identity;
  }
  return o;
}

std::vector<fs::path> CorpusFiles() {
  std::vector<fs::path> files;
  const fs::path folder = fs::path(TARVEX_SOURCE_DIR) / "tests" / "corpus";
  for (const fs::directory_entry& e : fs::directory_iterator(folder)) {
    if (!e.is_regular_file()) continue;
    const std::string name = e.path().filename().string();
    const bool own =
        name == "README.md" || name.ends_with("_test.cpp") || e.path().extension() == ".expect";
    if (!own) files.push_back(e.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

TEST(Corpus, EveryFileEndsAsItsSidecarSays) {
  const std::vector<fs::path> files = CorpusFiles();
  ASSERT_FALSE(files.empty());
  for (const fs::path& original : files) {
    const std::string name = original.filename().string();
    SCOPED_TRACE(name);
    const Expectation expected = ReadSidecar(original.string() + ".expect");
    ASSERT_EQ(expected.problem, "");
    // The run reads a copy, which must come out of the run unchanged.
    TempDir dir;
    const std::string input = dir.File(name);
    fs::copy_file(original, input);
    const std::string before = ReadFile(original.string());
    const Outcome o = RunIsolated(input, dir);
    EXPECT_EQ(o.failure, "");
    if (o.failure.empty() && expected.has_result) {
      EXPECT_EQ(o.result, expected.result);
    }
    if (o.failure.empty() && !expected.identity.empty()) {
      EXPECT_EQ(o.identity, expected.identity);
    }
    EXPECT_TRUE(ReadFile(input) == before) << "the input file was changed";
  }
}

}  // namespace
}  // namespace tarvex
