// The platform's answers about locales, code page 932 and the platform itself that the
// double-byte model is built from, character stepping and exact comparison.
#include <string>

#include <gtest/gtest.h>

#include "Bytes.h"
#include "TinyUtilsText.h"
#include "platform/Locale.h"
#include "platform/Process.h"
#include "platform/WinConstants.h"

namespace {

TEST(LocaleContract, JapaneseSystemUsesCodePage932) {
  EXPECT_EQ(Win::GetACP(), 932u);
  EXPECT_EQ(Win::GetThreadLocale() & 0xFFFF, 0x0411u);
  EXPECT_NE(Win::GetSystemMetrics(Win::SM_DBCSENABLED), 0);
}

TEST(LocaleContract, DefaultAnsiCodePageOfLocales) {
  struct Row {
    Win::LCID locale;
    int size;
    int count;
    const char* text;  // when count is above 0 and a buffer was given
    Win::DWORD error;  // when count is 0
  } rows[] = {
      {0x0411, 7, 4, "932", 0},   {0x0409, 7, 5, "1252", 0},  {0x0407, 7, 5, "1252", 0},
      {Win::LOCALE_USER_DEFAULT, 7, 4, "932", 0},             {0x0411, 0, 4, "", 0},
      {0x0411, 3, 0, "", Win::ERROR_INSUFFICIENT_BUFFER},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    char buffer[8] = {};
    Win::SetLastError(0xDEADBEEF);
    int count = Win::GetLocaleInfoA(rows[i].locale, Win::LOCALE_IDEFAULTANSICODEPAGE, rows[i].size ? buffer : nullptr,
                                    rows[i].size);
    EXPECT_EQ(count, rows[i].count) << "row " << i;
    if (count > 0 && rows[i].size > 0) {
      EXPECT_STREQ(buffer, rows[i].text) << "row " << i;
    }
    if (count == 0) {
      EXPECT_EQ(Win::GetLastError(), rows[i].error) << "row " << i;
    }
  }
}

TEST(LocaleContract, CodePageInformation) {
  struct Row {
    Win::UINT codePage;
    Win::UINT maxCharSize;
    std::string leadBytes;
  } rows[] = {
      {932, 2, "81 9F E0 FC 00 00 00 00 00 00 00 00"},
      {Win::CP_ACP, 2, "81 9F E0 FC 00 00 00 00 00 00 00 00"},
      {1252, 1, "00 00 00 00 00 00 00 00 00 00 00 00"},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    Win::CPINFO info{};
    ASSERT_NE(Win::GetCPInfo(rows[i].codePage, &info), 0) << "row " << i;
    EXPECT_EQ(info.MaxCharSize, rows[i].maxCharSize) << "row " << i;
    EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(info.DefaultChar), 2)), "3F 00") << "row " << i;
    EXPECT_EQ(Hex(std::string(reinterpret_cast<const char*>(info.LeadByte), 12)), rows[i].leadBytes) << "row " << i;
  }
  Win::CPINFO info{};
  Win::SetLastError(0xDEADBEEF);
  EXPECT_EQ(Win::GetCPInfo(12345, &info), 0);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_INVALID_PARAMETER);
}

TEST(LocaleContract, LeadByteSetAgreesWithIsDBCSLeadByteEx) {
  ASSERT_TRUE(TinyUtils::LocaleInfo.FarEast);
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(TinyUtils::LeadByteSet.Contains(static_cast<unsigned char>(byte)),
              Win::IsDBCSLeadByteEx(932, static_cast<Win::BYTE>(byte)) != 0)
        << "byte " << Hex(static_cast<unsigned>(byte), 2);
    EXPECT_EQ(Win::IsDBCSLeadByteEx(Win::CP_ACP, static_cast<Win::BYTE>(byte)),
              Win::IsDBCSLeadByteEx(932, static_cast<Win::BYTE>(byte)))
        << "byte " << Hex(static_cast<unsigned>(byte), 2);
    EXPECT_EQ(Win::IsDBCSLeadByteEx(1252, static_cast<Win::BYTE>(byte)), 0) << "byte " << byte;
  }
}

TEST(LocaleContract, VersionQueryOfAnNtPlatform) {
  Win::OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_NE(Win::GetVersionExA(&info), 0);
  EXPECT_EQ(info.dwPlatformId, Win::VER_PLATFORM_WIN32_NT);
  EXPECT_GE(info.dwMajorVersion, 5u);
  info.dwOSVersionInfoSize = 100;
  Win::SetLastError(0xDEADBEEF);
  EXPECT_EQ(Win::GetVersionExA(&info), 0);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_INSUFFICIENT_BUFFER);
}

TEST(LocaleContract, CharNextStepsWholeCharacters) {
  struct Row {
    const char* text;
    int step;
  } rows[] = {
      {"ab", 1}, {"表a", 2}, {"\x81\x20x", 2}, {"\x81\x7Fx", 2}, {"\x81", 1}, {"", 0}, {"\xA0x", 1}, {"\x80x", 1},
      {"ｶx", 1},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    EXPECT_EQ(Win::CharNextA(rows[i].text) - rows[i].text, rows[i].step) << "row " << i << ": " << Hex(rows[i].text);
  }
}

TEST(LocaleContract, CompareStringFindsEqualTexts) {
  struct Row {
    const char* a;
    int lengthA;
    const char* b;
    int lengthB;
    bool equal;
  } rows[] = {
      {"http://", 7, "http://", 7, true},   {"www.", -1, "www.", -1, true}, {"表ソ", 4, "表ソ", 4, true},
      {"http:", 5, "HTTP:", 5, false},      {"http", 4, "ｈｔｔｐ", 8, false}, {"http:", 5, "http", 4, false},
      {"a-b", 3, "ab", 2, false},
  };
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    int result = Win::CompareStringA(Win::LOCALE_USER_DEFAULT, Win::SORT_STRINGSORT, rows[i].a, rows[i].lengthA,
                                     rows[i].b, rows[i].lengthB);
    EXPECT_NE(result, 0) << "row " << i;
    EXPECT_EQ(result == Win::CSTR_EQUAL, rows[i].equal) << "row " << i << ": gave " << result;
  }
  Win::SetLastError(0xDEADBEEF);
  EXPECT_EQ(Win::CompareStringA(Win::LOCALE_USER_DEFAULT, Win::SORT_STRINGSORT, nullptr, 1, "a", 1), 0);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_INVALID_PARAMETER);
}

TEST(InstanceContract, SecondCreationOfANamedMutexTellsThatItExists) {
  const char* name = "Vorla contract mutex";
  Win::SetLastError(0xDEADBEEF);
  Win::HANDLE first = Win::CreateMutexA(nullptr, Win::TRUE, name);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_SUCCESS);
  Win::SetLastError(0xDEADBEEF);
  Win::HANDLE second = Win::CreateMutexA(nullptr, Win::TRUE, name);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_ALREADY_EXISTS);
  // Names are told apart by letter case.
  Win::HANDLE other = Win::CreateMutexA(nullptr, Win::TRUE, "vorla contract mutex");
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_SUCCESS);
  EXPECT_NE(Win::ReleaseMutex(first), 0);
  for (Win::HANDLE handle : {first, second, other}) Win::CloseHandle(handle);
  Win::HANDLE again = Win::CreateMutexA(nullptr, Win::TRUE, name);
  EXPECT_EQ(Win::GetLastError(), Win::ERROR_SUCCESS);  // the last handle closed, the mutex is gone
  Win::CloseHandle(again);
}

}  // namespace
