// Opening and reading files as the launcher reads list files: sharing with other handles,
// errors, and reads in the sizes asked for.
#include <gtest/gtest.h>

#include "Fixture.h"
#include "FixtureLauncher.h"
#include "platform/Files.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace {

using Win::FILE_SHARE_READ;
using Win::FILE_SHARE_WRITE;
using Win::GENERIC_READ;
using Win::GENERIC_WRITE;

// Opens path as the launcher opens a list file; 0 or the error.
Win::DWORD OpenError(const std::string& path) {
  Win::SetLastError(0xdeadbeef);
  Win::HANDLE file = Win::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, Win::OPEN_EXISTING,
                                      Win::FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == Win::INVALID_HANDLE_VALUE) return Win::GetLastError();
  Win::CloseHandle(file);
  return 0;
}

TEST(CreateFileContract, SharesForReadingOnlyWithReaders) {
  std::string path = Fixture::NewScratchFolder() + "list.vlf";
  Fixture::WriteFile(path, "line\r\n");
  struct Row {
    Win::DWORD access;
    Win::DWORD share;
    Win::DWORD expected;
  } rows[] = {
      {GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, 32},  // held open for writing
      {GENERIC_WRITE, FILE_SHARE_READ, 32},
      {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, 32},
      {GENERIC_READ, 0, 32},
      {GENERIC_READ, FILE_SHARE_READ, 0},
      {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, 0},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Win::HANDLE other = Fixture::HoldFile(path, rows[i].access, rows[i].share);
    ASSERT_NE(other, Win::INVALID_HANDLE_VALUE) << "row " << i;
    EXPECT_EQ(OpenError(path), rows[i].expected) << "row " << i;
    Fixture::ReleaseFile(other);
    EXPECT_EQ(OpenError(path), 0u) << "row " << i;
  }
}

TEST(CreateFileContract, RefusesMissingFilesAndFolders) {
  std::string folder = Fixture::NewScratchFolder();
  Fixture::MakeFolder(folder + "old.txt");
  EXPECT_EQ(OpenError(folder + "missing.vlf"), 2u);
  EXPECT_EQ(OpenError(folder + "missing\\list.vlf"), 3u);
  EXPECT_EQ(OpenError(folder + "old.txt"), 5u);
}

TEST(ReadFileContract, ReadsInTheSizesAskedForAndSucceedsWithNothingAtTheEnd) {
  std::string path = Fixture::NewScratchFolder() + "list.vlf";
  Fixture::WriteFile(path, "0123456789");
  Win::HANDLE file = Win::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, Win::OPEN_EXISTING,
                                      Win::FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, Win::INVALID_HANDLE_VALUE);
  std::string parts[] = {"0123", "4567", "89", "", ""};
  for (std::size_t i = 0; i < std::size(parts); ++i) {
    char buffer[4];
    Win::DWORD count = 99;
    EXPECT_TRUE(Win::ReadFile(file, buffer, sizeof buffer, &count, nullptr)) << "read " << i;
    EXPECT_EQ(std::string(buffer, count), parts[i]) << "read " << i;
  }
  EXPECT_TRUE(Win::CloseHandle(file));
}

}  // namespace
