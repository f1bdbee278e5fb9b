// File queries where only the simulation can produce the platform's answer: a platform
// without GetLongPathNameA, a long form beyond 260 bytes, file times it cannot convert.
#include <gtest/gtest.h>

#include "TinyUtilsFiles.h"
#include "platform/WinConstants.h"
#include "platform/sim/Sim.h"
#include "platform/sim/SimFiles.h"

using namespace TinyUtils;

namespace {

constexpr Win::FILETIME kMarch2015{0x46FC9800, 0x01D05E53};  // 2015-03-14 12:34:56

TEST(GetLongPath, IsEmptyWithoutGetLongPathNameA) {
  Sim::AddFolder("C:\\Program Files\\Vorla");
  Sim::AddFile("C:\\Program Files\\Vorla\\Vorla.exe");
  EXPECT_EQ(GetLongPath("C:\\PROGRA~1\\Vorla\\Vorla.exe"), "C:\\Program Files\\Vorla\\Vorla.exe");
  Sim::SetLongPathFunctionPresent(false);
  EXPECT_EQ(GetLongPath("C:\\PROGRA~1\\Vorla\\Vorla.exe"), "");
}

TEST(GetLongPath, IsEmptyWhenTheLongFormDoesNotFit) {
  std::string folder(100, 'f');
  std::string longPath = "C:\\" + folder + "1\\" + folder + "2\\" + folder + "3\\list.vlf";
  Sim::AddFolder("C:\\" + folder + "1\\" + folder + "2\\" + folder + "3");
  Sim::AddFile(longPath);
  EXPECT_EQ(GetLongPath("C:\\FFFFFF~1\\FFFFFF~1\\FFFFFF~1\\list.vlf"), "");  // 317 bytes long
  std::string fitting = "C:\\" + folder + "1\\" + folder + "2\\list.vlf";
  Sim::AddFile(fitting);
  EXPECT_EQ(GetLongPath("C:\\FFFFFF~1\\FFFFFF~1\\list.vlf"), fitting);
}

TEST(SearchRecord, TimeStaysZeroWhenThePlatformCannotConvertIt) {
  Sim::AddFolder("C:\\SendTo");
  Sim::AddFile("C:\\SendTo\\a.lnk", "link");
  Sim::AddFile("C:\\SendTo\\b.lnk", "other", 0x22);
  Sim::SetLastWriteTime("C:\\SendTo\\a.lnk", kMarch2015);
  Sim::SetLastWriteTime("C:\\SendTo\\b.lnk", kMarch2015);
  TSearchRec search;
  ASSERT_EQ(SearchFirst("C:\\SendTo\\*.lnk", 0x2F, search), 0u);
  EXPECT_EQ(search.DosTime, 0x466E645Cu);
  Sim::SetFileTimeConversionFails(true);
  ASSERT_EQ(SearchNext(search), 0u);
  EXPECT_EQ(search.Name, "b.lnk");
  EXPECT_EQ(search.DosTime, 0u);  // not the time of the match before
  EXPECT_EQ(search.Size, 5u);
  EXPECT_EQ(search.Attributes, 0x22u);
  SearchEnd(search);
}

}  // namespace
