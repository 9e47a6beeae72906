/* A host's view of the engine: a plain C program linked against libtarvex.so
 * (or the import library of tarvex.dll) that writes NAMES.DAT and an input
 * file into its working directory and calls LGO, as the host application
 * does. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#define mkdir(path, mode) _mkdir(path)
#define chdir _chdir
#else
#include <unistd.h>
#endif

#include "tarvex/lgo.h"

static int failures = 0;

static void expect_int(const char* what, int actual, int expected) {
  if (actual != expected) {
    fprintf(stderr, "FAIL %s: got %d, expected %d\n", what, actual, expected);
    ++failures;
  }
}

static int exists(const char* path) {
  struct stat st;
  return stat(path, &st) == 0;
}

static void write_file(const char* path, const char* text) {
  FILE* f = fopen(path, "w");
  if (f == NULL) {
    perror(path);
    exit(2);
  }
  fputs(text, f);
  fclose(f);
}

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: %s WORKDIR\n", argv[0]);
    return 2;
  }
  mkdir(argv[1], 0777);
  if (chdir(argv[1]) != 0) {
    perror(argv[1]);
    return 2;
  }
  remove("NAMES.DAT");
  remove("run.out");
  remove("run.plt");
  remove("run.msg");

  /* Another interface version: 99, and nothing is touched. */
  write_file("NAMES.DAT", "in.tv6\nrun.out\nrun.plt\nrun.msg\n");
  write_file("in.tv6", "TARVEX5\n");
  expect_int("LGO(6027)", LGO(6027), 99);
  expect_int("no report after LGO(6027)", exists("run.out"), 0);

  /* An input file of the older format is refused with input error 6. */
  expect_int("LGO(6028) on a TARVEX5 file", LGO(6028), 106);
  expect_int("report written", exists("run.out"), 1);
  expect_int("plot file written", exists("run.plt"), 1);
  expect_int("message file written", exists("run.msg"), 1);

  /* A control file with three lines: the message file path is blank. */
  write_file("NAMES.DAT", "in.tv6\nrun.out\nrun.plt\n");
  expect_int("LGO(6028) with three control lines", LGO(6028), 217);

  /* No control file at all. */
  remove("NAMES.DAT");
  expect_int("LGO(6028) without NAMES.DAT", LGO(6028), 202);

  if (failures == 0) printf("LGO host test passed\n");
  return failures == 0 ? 0 : 1;
}
