// TinyIni over the simulated profile functions, where the simulation alone can set the stage.
#include <gtest/gtest.h>

#include "TinyIni.h"
#include "platform/sim/SimFiles.h"

namespace {

const std::string kFile = "C:\\Vorla\\Vorla.ini";

TEST(TinyIni, ReadStringCutsALongValueTo1023Bytes) {
  Sim::AddFolder("C:\\Vorla");
  Sim::AddFile(kFile, "[Option]\r\nExecuteURLInClipboard=" + std::string(2000, '7') + "\r\n");
  EXPECT_EQ(TinyIni::ReadString(kFile, "Option", "ExecuteURLInClipboard", ""), std::string(1023, '7'));
  // 1023 sevens are no 32-bit number.
  EXPECT_EQ(TinyIni::ReadInteger(kFile, "Option", "ExecuteURLInClipboard", -3), -3);
}

}  // namespace
