// The platform's answers about code page 932 that the double-byte model is built from.
#include <gtest/gtest.h>

#include "TinyUtilsText.h"
#include "platform/Locale.h"

namespace {

TEST(LocaleContract, JapaneseSystemUsesCodePage932) {
  EXPECT_EQ(Win::GetACP(), 932u);
  EXPECT_EQ(Win::GetThreadLocale() & 0xFFFF, 0x0411u);
  EXPECT_NE(Win::GetSystemMetrics(42), 0);  // SM_DBCSENABLED
}

TEST(LocaleContract, LeadByteSetAgreesWithIsDBCSLeadByteEx) {
  Win::CPINFO info{};
  ASSERT_TRUE(Win::GetCPInfo(932, &info));
  EXPECT_EQ(info.MaxCharSize, 2u);
  ASSERT_TRUE(TinyUtils::LocaleInfo.FarEast);
  for (int byte = 0; byte < 256; ++byte) {
    EXPECT_EQ(TinyUtils::LeadByteSet.Contains(static_cast<unsigned char>(byte)),
              Win::IsDBCSLeadByteEx(932, static_cast<Win::BYTE>(byte)) != 0)
        << "byte " << byte;
  }
}

}  // namespace
