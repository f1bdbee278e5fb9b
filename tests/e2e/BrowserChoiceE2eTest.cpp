// Windows only: the browser the user chose (the ProgId in the http protocol's UserChoice)
// opens a list's address; when its class names no program that exists, the browser of the
// http class does, as before.
#include <gtest/gtest.h>

#include "E2e.h"

using namespace E2e;

namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('\\') + 1); }

TEST(BrowserChoiceE2e, OpensTheChosenClassesProgramElseTheHttpClasses) {
  TempFolder folder;
  folder.Write("Chosen Browser\\");
  std::string chosen = folder.Path() + "Chosen Browser\\chosen.exe";
  ASSERT_TRUE(CopyFileA(ProbePath().c_str(), chosen.c_str(), FALSE));
  ProbeBrowser browser;  // the http class's browser
  ScopedRegistryValue choice(HKEY_CURRENT_USER,
                             "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\http\\UserChoice",
                             "VorlaTestHTML", "ProgId");
  std::string list = folder.Write("a.vlf", "http://a.example/\r\n");
  struct Row {
    const char* valueName;  // of VorlaTestHTML\shell\open\command
    std::string text;
    std::string expected;
  };
  const Row rows[] = {
      {"", Quoted(chosen) + " --url \"%1\"", "chosen.exe"},
      // A packaged app registers its verb for COM only.
      {"DelegateExecute", "{4ED3A719-CEA8-4BD9-910D-E252F997AFC2}", "vorla_probe.exe"},
      {"", Quoted(folder.Path() + "missing.exe") + " \"%1\"", "vorla_probe.exe"},
  };
  for (const Row& row : rows) {
    ScopedRegistryValue command(HKEY_CLASSES_ROOT, "VorlaTestHTML\\shell\\open\\command", row.text, row.valueName);
    SCOPED_TRACE(std::string(row.valueName) + "=" + row.text);
    std::size_t before = browser.Starts().size();
    EXPECT_EQ(RunLauncher(Quoted(list)), 0u);
    auto starts = browser.Starts();
    ASSERT_EQ(starts.size(), before + 1);
    EXPECT_EQ(FileNameOf(starts.back().program), row.expected);
    EXPECT_EQ(starts.back().Arguments(), "http://a.example/");
  }
}

}  // namespace
