#include "input/input_file.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "support/test_support.hpp"

// Bytes requested from operator new in this test program, to show how much
// reading a file allocates. The replaced operators pair malloc with free;
// GCC, seeing them inlined into new-expressions, takes the pair for a
// mismatch.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif
namespace {
std::atomic<unsigned long long> allocated_bytes{0};
}  // namespace

void* operator new(std::size_t size) {
  allocated_bytes += size;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace tarvex {
namespace {

using testing::TempDir;
using testing::WriteFile;

std::vector<std::string> Records(InputFile& file) {
  std::vector<std::string> records;
  std::string_view line;
  while (file.ReadLine(&line)) records.emplace_back(line);
  return records;
}

TEST(InputFile, RecordsLineEndsAndByteOrderMark) {
  struct Case {
    const char* name;
    std::string text;
    std::vector<std::string> records;
  };
  const Case cases[] = {
      {"LF", "TARVEX6\nTITLE\n", {"TARVEX6", "TITLE"}},
      {"CR LF, last line unended", "TARVEX6\r\n\r\nEND", {"TARVEX6", "", "END"}},
      {"empty lines", "\n\n\n", {"", "", ""}},
      {"byte-order mark skipped", "\xEF\xBB\xBFTARVEX6\nEND\n", {"TARVEX6", "END"}},
      {"a mark inside the file is data",
       "TARVEX6\n\xEF\xBB\xBF"
       "END\n",
       {"TARVEX6",
        "\xEF\xBB\xBF"
        "END"}},
      {"a mark alone", "\xEF\xBB\xBF", {}},
  };
  for (const Case& c : cases) {
    TempDir d;
    WriteFile(d.File("in.tv6"), c.text);
    InputFile file;
    std::string error;
    ASSERT_TRUE(file.Open(d.File("in.tv6"), &error)) << c.name << ": " << error;
    EXPECT_EQ(file.size(), c.text.size()) << c.name;  // the file's own size, mark included
    EXPECT_EQ(Records(file), c.records) << c.name;
    EXPECT_EQ(file.line_number(), static_cast<int>(c.records.size())) << c.name;
    EXPECT_TRUE(file.at_end()) << c.name;
  }
}

TEST(InputFile, SeekAndRewindCountLines) {
  InputFile file;
  file.OpenText("a\nb\nc\n");
  file.SeekToLine(3);
  std::string_view line;
  ASSERT_TRUE(file.ReadLine(&line));
  EXPECT_EQ(line, "c");
  EXPECT_EQ(file.line_number(), 3);
  EXPECT_FALSE(file.ReadLine(&line));
  file.Rewind();
  ASSERT_TRUE(file.ReadLine(&line));
  EXPECT_EQ(line, "a");
  EXPECT_EQ(file.line_number(), 1);
}

TEST(InputFile, MemoryStaysNearTheSizeOfTheFile) {
  // A million empty lines: storing each line on its own costs tens of bytes
  // a line; one buffer costs the file's size.
  TempDir d;
  const std::string text(1000000, '\n');
  WriteFile(d.File("in.tv6"), text);
  InputFile file;
  std::string error;
  const unsigned long long before = allocated_bytes;
  ASSERT_TRUE(file.Open(d.File("in.tv6"), &error)) << error;
  const unsigned long long used = allocated_bytes - before;
  EXPECT_LT(used, 2 * text.size()) << used << " bytes for a file of " << text.size();
  EXPECT_EQ(Records(file).size(), text.size());
}

}  // namespace
}  // namespace tarvex
