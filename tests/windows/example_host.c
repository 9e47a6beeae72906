/* A host of the engine library as the host application uses it: it loads the
 * library at run time, takes LGO by its plain name and calls it (on Windows
 * through a __stdcall pointer), once per example, each time naming the files
 * in NAMES.DAT of its working directory.
 *
 *   example_host LIBRARY WORKDIR EXAMPLE.tv6...   (absolute example paths)
 *
 * For every example it makes WORKDIR/<stem>/input data/<stem>.tv6 and lets the
 * run write WORKDIR/<stem>/results/<stem>.out, .plt and .msg; it prints one
 * line "<stem> <result code>" per example. On Windows the paths in NAMES.DAT
 * take, example by example, the forms a Windows host may write: relative with
 * backslashes, absolute with a drive letter, with "." and ".." and forward
 * slashes, and with a lower-case drive letter and the blank padding of
 * fixed-length records. The same program built for Linux gives the reference
 * runs (relative paths with "/").
 *
 * It fails (exit status 1) when LGO is missing or exported under a decorated
 * name, when LGO(6027) does not return 99 or touches a file, when a missing
 * NAMES.DAT does not give 202, when an unusable input or output file (missing,
 * a directory, a device, an output that is the input or another output under
 * another spelling) does not end the run with runtime error 7 or 8 and its
 * reason, when NUL does not take the outputs, when a call leaves the caller's
 * stack pointer moved (the wrong calling convention, 32-bit Windows), when a
 * report is
 * missing or when its "Path to file locations" line does not show the
 * directory of the input path as written. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#ifdef _WIN32
#include <windows.h>
typedef int32_t(__stdcall* LgoFunction)(int32_t);
#define SEPARATOR "\\"
#else
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>
typedef int32_t (*LgoFunction)(int32_t);
#define SEPARATOR "/"
#endif

#define PATH_SIZE 1024
#define STEM_SIZE 200

static int failures = 0;

static void fail(const char* what, const char* detail) {
  fprintf(stderr, "FAIL %s: %s\n", what, detail);
  ++failures;
}

static void make_directory(const char* path) {
#ifdef _WIN32
  CreateDirectoryA(path, NULL);
#else
  mkdir(path, 0777);
#endif
}

static int file_exists(const char* path) {
  FILE* f = fopen(path, "rb");
  if (f == NULL) return 0;
  fclose(f);
  return 1;
}

static int copy_file(const char* from, const char* to) {
  FILE* in = fopen(from, "rb");
  FILE* out = in != NULL ? fopen(to, "wb") : NULL;
  char buf[8192];
  size_t n;
  int ok = in != NULL && out != NULL;
  while (ok && (n = fread(buf, 1, sizeof buf, in)) > 0) ok = fwrite(buf, 1, n, out) == n;
  if (in != NULL) fclose(in);
  if (out != NULL && fclose(out) != 0) ok = 0;
  return ok;
}

static int file_contains(const char* path, const char* text) {
  char buf[4096];
  size_t n;
  FILE* f = fopen(path, "rb");
  if (f == NULL) return 0;
  n = fread(buf, 1, sizeof buf - 1, f);
  fclose(f);
  buf[n] = '\0';
  return strstr(buf, text) != NULL;
}

/* NAMES.DAT as a host writes it: text lines (CR LF on Windows). */
static void write_names(const char* const paths[4], int pad) {
  FILE* f = fopen("NAMES.DAT", "w");
  int i;
  if (f == NULL) {
    perror("NAMES.DAT");
    exit(2);
  }
  for (i = 0; i < 4; ++i) fprintf(f, pad ? "%-256s\n" : "%s\n", paths[i]);
  fclose(f);
}

/* Calls LGO; on 32-bit x86 also checks that the call left the stack pointer
 * where it was, which a callee of the wrong calling convention does not. */
static int32_t call_lgo(LgoFunction lgo, int32_t version, const char* what) {
  int32_t result;
#if defined(_WIN32) && defined(__i386__)
  uintptr_t before, after;
  __asm__ volatile("movl %%esp, %0" : "=r"(before)::"memory");
  result = lgo(version);
  __asm__ volatile("movl %%esp, %0" : "=r"(after)::"memory");
  if (before != after) fail(what, "the stack pointer moved across the call");
#else
  (void)what;
  result = lgo(version);
#endif
  return result;
}

static LgoFunction load_lgo(const char* library) {
  void (*entry)(void) = NULL;
#ifdef _WIN32
  HMODULE h = LoadLibraryA(library);
  if (h == NULL) {
    fprintf(stderr, "cannot load %s (error %lu)\n", library, (unsigned long)GetLastError());
    exit(2);
  }
  entry = (void (*)(void))GetProcAddress(h, "LGO");
  /* Only the plain name: a host that asks for "LGO" must find it. */
  if (GetProcAddress(h, "_LGO@4") != NULL || GetProcAddress(h, "LGO@4") != NULL) {
    fail("exports", "LGO is also exported under a decorated name");
  }
#else
  void* h = dlopen(library, RTLD_NOW | RTLD_LOCAL);
  if (h == NULL) {
    fprintf(stderr, "cannot load %s: %s\n", library, dlerror());
    exit(2);
  }
  *(void**)&entry = dlsym(h, "LGO");
#endif
  if (entry == NULL) {
    fprintf(stderr, "%s does not export LGO\n", library);
    exit(1);
  }
  return (LgoFunction)entry;
}

/* The stem of an example's file name: no directory, no extension. */
static void stem_of(const char* path, char* stem) {
  const char* name = path;
  const char* p;
  char* dot;
  for (p = path; *p != '\0'; ++p) {
    if (*p == '/' || *p == '\\') name = p + 1;
  }
  snprintf(stem, STEM_SIZE, "%s", name);
  dot = strrchr(stem, '.');
  if (dot != NULL) *dot = '\0';
}

#ifdef _WIN32
static void replace_all(char* s, char from, char to) {
  for (; *s != '\0'; ++s) {
    if (*s == from) *s = to;
  }
}
#endif

/* The report's files block shows the drive and directory of the input path
 * as written: everything up to its last separator. */
static void check_path_line(const char* report, const char* input_path) {
  const char* label = "Path to file locations:        ";
  char expected[PATH_SIZE + 64];
  char line[PATH_SIZE + 64];
  const char* last = NULL;
  const char* p;
  FILE* f = fopen(report, "rb");
  int found = 0;
  for (p = input_path; *p != '\0'; ++p) {
    if (*p == '/' || *p == '\\') last = p;
  }
  snprintf(expected, sizeof expected, "%s%.*s", label,
           last == NULL ? 0 : (int)(last - input_path + 1), input_path);
  if (f == NULL) {
    fail(report, "no report written");
    return;
  }
  while (fgets(line, sizeof line, f) != NULL) {
    line[strcspn(line, "\r\n")] = '\0';
    if (strncmp(line, label, strlen(label)) == 0) {
      found = 1;
      if (strcmp(line, expected) != 0) {
        fprintf(stderr, "  report:   \"%s\"\n  expected: \"%s\"\n", line, expected);
        fail(report, "wrong path line");
      }
      break;
    }
  }
  fclose(f);
  if (!found) fail(report, "no path line");
}

/* The four paths of one example, in the form of the given style. */
static void spell_paths(const char* stem, int style, char paths[4][PATH_SIZE]) {
  static const char* const extensions[3] = {".out", ".plt", ".msg"};
  int i;
  snprintf(paths[0], PATH_SIZE, "%s" SEPARATOR "input data" SEPARATOR "%s.tv6", stem, stem);
  for (i = 0; i < 3; ++i) {
    snprintf(paths[i + 1], PATH_SIZE, "%s" SEPARATOR "results" SEPARATOR "%s%s", stem, stem,
             extensions[i]);
  }
#ifdef _WIN32
  for (i = 0; i < 4; ++i) {
    char relative[PATH_SIZE];
    snprintf(relative, sizeof relative, "%s", paths[i]);
    switch (style) {
      case 0: /* relative, backslashes */
        break;
      case 1: /* absolute with the drive letter: Z:\...\stem\input data\stem.tv6 */
        if (GetFullPathNameA(relative, PATH_SIZE, paths[i], NULL) == 0) {
          fail(relative, "GetFullPathNameA failed");
        }
        break;
      case 2: /* ".", ".." and forward slashes */
        snprintf(paths[i], PATH_SIZE, ".\\%s\\results\\..\\%s", stem, relative + strlen(stem) + 1);
        if (i > 0) replace_all(paths[i], '\\', '/');
        break;
      default: /* lower-case drive letter, forward slashes (padded in NAMES.DAT) */
        GetFullPathNameA(relative, PATH_SIZE, paths[i], NULL);
        if (paths[i][0] >= 'A' && paths[i][0] <= 'Z') paths[i][0] = (char)(paths[i][0] + 32);
        replace_all(paths[i], '\\', '/');
        break;
    }
  }
#else
  (void)style;
#endif
}

int main(int argc, char** argv) {
  LgoFunction lgo;
  int e;
  if (argc < 3) {
    fprintf(stderr, "usage: %s LIBRARY WORKDIR EXAMPLE.tv6...\n", argv[0]);
    return 2;
  }
  lgo = load_lgo(argv[1]);
  make_directory(argv[2]);
#ifdef _WIN32
  if (!SetCurrentDirectoryA(argv[2])) {
#else
  if (chdir(argv[2]) != 0) {
#endif
    fprintf(stderr, "cannot enter %s\n", argv[2]);
    return 2;
  }

  {
    /* Another interface version: 99, and no file is made. */
    const char* const paths[4] = {"none.tv6", "version.out", "version.plt", "version.msg"};
    char text[64];
    write_names(paths, 0);
    e = call_lgo(lgo, 6027, "LGO(6027)");
    if (e != 99) {
      snprintf(text, sizeof text, "returned %d, expected 99", e);
      fail("LGO(6027)", text);
    }
    if (file_exists("version.out") || file_exists("version.msg")) {
      fail("LGO(6027)", "made an output file");
    }
    remove("NAMES.DAT");
    e = call_lgo(lgo, 6028, "LGO(6028) without NAMES.DAT");
    if (e != 202) {
      snprintf(text, sizeof text, "returned %d, expected 202", e);
      fail("LGO(6028) without NAMES.DAT", text);
    }
  }

  {
    /* Files the run cannot use: runtime error 7 (input) or 8 (output), with
     * the reason in the message file. A device named as the input must not
     * make the run wait for input. */
    static const struct {
      const char* input;
      const char* report;
      const char* plot;
      int expected;
      const char* reason;
    } cases[] = {
        {"missing.tv6", "errors.out", "errors.plt", 207, "Reason: "},
        {".", "errors.out", "errors.plt", 207, "Reason: it is a directory"},
        {"errors.tv6", "no such directory" SEPARATOR "errors.out", "errors.plt", 208, "Reason: "},
        /* A report that is the input under another spelling is refused. */
        {"errors.tv6", "." SEPARATOR "errors.tv6", "errors.plt", 208,
         "Reason: it is the same file as the input data file"},
#ifdef _WIN32
        {"CON", "errors.out", "errors.plt", 207, "Reason: "}, /* without a console it fails */
        {"NUL", "errors.out", "errors.plt", 207, "Reason: it is a device, not a regular file"},
        /* File names ignore case, for files that exist and files to be made. */
        {"errors.tv6", "ERRORS.TV6", "errors.plt", 208,
         "Reason: it is the same file as the input data file"},
        {"errors.tv6", "errors.out", "ERRORS.MSG", 208,
         "Reason: it is the same file as the plot output file"},
        /* NUL takes any number of outputs: the run reads the input. */
        {"errors.tv6", "NUL", "NUL", 199, "The analysis ended due to an input error."},
#endif
    };
    size_t i;
    FILE* f = fopen("errors.tv6", "w");
    if (f != NULL) {
      fputs("TARVEX6\n", f);
      fclose(f);
    }
    for (i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
      const char* const paths[4] = {cases[i].input, cases[i].report, cases[i].plot, "errors.msg"};
      char text[128];
      remove("errors.out");
      remove("errors.msg");
      write_names(paths, 0);
      e = call_lgo(lgo, 6028, cases[i].input);
      if (e != cases[i].expected) {
        snprintf(text, sizeof text, "returned %d, expected %d", e, cases[i].expected);
        fail(cases[i].input, text);
      }
      if (!file_contains("errors.msg", cases[i].reason) &&
          !file_contains("errors.out", cases[i].reason)) {
        fail(cases[i].input, "neither the message file nor the report gives the reason");
      }
    }
  }

  for (e = 3; e < argc; ++e) {
    char stem[STEM_SIZE];
    char dir[STEM_SIZE + 16];
    char copy[2 * STEM_SIZE + 32];
    char paths[4][PATH_SIZE];
    const char* names[4];
    const int style = (e - 3) % 4;
    int32_t result;
    int i;
    stem_of(argv[e], stem);
    make_directory(stem);
    snprintf(dir, sizeof dir, "%s" SEPARATOR "input data", stem);
    make_directory(dir);
    snprintf(dir, sizeof dir, "%s" SEPARATOR "results", stem);
    make_directory(dir);
    snprintf(copy, sizeof copy, "%s" SEPARATOR "input data" SEPARATOR "%s.tv6", stem, stem);
    if (!copy_file(argv[e], copy)) {
      fprintf(stderr, "cannot copy %s to %s\n", argv[e], copy);
      return 2;
    }
    spell_paths(stem, style, paths);
    for (i = 0; i < 4; ++i) names[i] = paths[i];
    write_names(names, style == 3);
    result = call_lgo(lgo, 6028, stem);
    printf("%s %d\n", stem, (int)result);
    fflush(stdout);
    snprintf(copy, sizeof copy, "%s" SEPARATOR "results" SEPARATOR "%s.out", stem, stem);
    check_path_line(copy, paths[0]);
  }
  return failures == 0 ? 0 : 1;
}
