// Calls the installed engine the two ways a host can: LGO with a wrong
// interface version, and tarvex::run on an input file. Usage:
//   consumer INPUT WORK_DIR
#include <cstdio>
#include <cstring>
#include <string>

#include "tarvex/engine.hpp"
#include "tarvex/lgo.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: consumer INPUT WORK_DIR\n");
    return 2;
  }
  int failures = 0;
  if (LGO(TARVEX_INTERFACE_VERSION - 1) != 99) {
    std::fprintf(stderr, "LGO did not refuse another interface version\n");
    ++failures;
  }
  const std::string expected = std::string("(") + TARVEX_VERSION_STRING + ")";
  if (expected != tarvex::version_text()) {
    std::fprintf(stderr, "version %s, the header says %s\n", tarvex::version_text(),
                 expected.c_str());
    ++failures;
  }
  const std::string dir = argv[2];
  const tarvex::RunFiles files{argv[1], dir + "/run.out", dir + "/run.plt", dir + "/run.msg"};
  tarvex::RunOutcome outcome;
  tarvex::RunOptions options;
  options.outcome = &outcome;
  const int result = tarvex::run(files, options);
  if (result != 0 || outcome.results.cases.empty()) {
    std::fprintf(stderr, "the run ended with %d and %zu load cases\n", result,
                 outcome.results.cases.size());
    ++failures;
  }
  std::printf("tarvex %s: %zu load cases, result %d\n", tarvex::version_text(),
              outcome.results.cases.size(), result);
  return failures == 0 ? 0 : 1;
}
