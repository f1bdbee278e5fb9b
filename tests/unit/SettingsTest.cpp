// The settings program's decisions: the registry values of the ".vlf" file type, which
// links in Send To are the launcher's, the extension switch, the administrator
// and version tests, the dialog's opening state and apply step, and the warning about
// settings not saved.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SettingsDialog.h"
#include "SettingsMain.h"
#include "TinyShlLnk2.h"
#include "TinyUtilsSystem.h"
#include "VLOptionUtils.h"

namespace TinyShlLnk2 {
void PrintTo(const TLinkFile& link, std::ostream* out) { *out << link.Name << " -> " << link.UpperTarget; }
}  // namespace TinyShlLnk2
namespace VLOption {
void PrintTo(TChange c, std::ostream* o) { *o << (c == TChange::None ? "None" : c == TChange::Add ? "Add" : "Remove"); }
void PrintTo(const TSaveFailure& f, std::ostream* o) {
  *o << static_cast<int>(f.Setting) << " " << f.Error << " " << f.Reason;
}
}  // namespace VLOption

namespace {

using TinyShlLnk2::TLinkFile;
using VLOption::TChange;

std::string WithZero(const std::string& text) { return text + '\0'; }

TEST(SettingsFileType, FourDefaultValuesOfTextWithOneZeroByteTheLauncherQuotedAllBelowTheKeysDeleted) {
  const std::string launcher = "C:\\My \x95\x5c\\Vorla.exe";  // a blank, and 表 whose second byte is "\"
  struct Row { std::string key, data; } expected[] = {
      {".vlf", WithZero("VorlaFile")},
      {"VorlaFile", WithZero("Vorla\x83\x74\x83\x40\x83\x43\x83\x8B")},  // Vorlaファイル in code page 932
      {"VorlaFile\\DefaultIcon", WithZero("\"" + launcher + "\",1")},
      {"VorlaFile\\shell\\open\\command", WithZero("\"" + launcher + "\" \"%1\"")},
  };
  auto values = VLOptionUtils::FileTypeValues(launcher);
  ASSERT_EQ(values.size(), std::size(expected));
  for (std::size_t i = 0; i < values.size(); ++i) {
    EXPECT_EQ(values[i].Key, expected[i].key);  // then the default value, of type REG_SZ (1):
    EXPECT_EQ(values[i].Name + "|" + std::to_string(values[i].Type) + "|" + values[i].Data, "|1|" + expected[i].data);
    bool removable = false;  // unregistering leaves no value behind outside the keys it deletes
    for (std::string key : VLOptionUtils::kFileTypeKeys) removable |= (values[i].Key + "\\").starts_with(key + "\\");
    EXPECT_TRUE(removable) << values[i].Key;
  }
}

TEST(SettingsSendTo, OnlyTheOneLinkToThisLauncherStaysOrEveryLinkToALauncherGoes) {
  const std::string launcher = "C:\\VORLA\\VORLA.EXE";
  const std::vector<TLinkFile> others = {{"Old.lnk", "D:\\OLD\\VORLA.EXE"}, {"Other.lnk", "C:\\TOOLS\\OTHER.EXE"},
      {"Bak.lnk", launcher + ".BAK"}, {"Broken.lnk", ""}, {"Dir.lnk", "C:\\VORLA.EXE\\TOOL.EXE"}};
  std::vector<TLinkFile> ours = others;
  ours.insert(ours.end(), {{"vorla.lnk", launcher}, {"Vorla.lnk", launcher}, {"Copy of Vorla.lnk", launcher}});
  struct Row { std::vector<TLinkFile> links; bool install; std::vector<std::string> deleted; bool create; } rows[] = {
      {ours, true, {"Old.lnk", "vorla.lnk", "Copy of Vorla.lnk"}, false},
      {others, true, {"Old.lnk"}, true},
      {{{"Vorla.lnk", "C:\\TOOLS\\OTHER.EXE"}}, true, {}, true},  // another program's: replaced on creation
      {ours, false, {"Old.lnk", "vorla.lnk", "Vorla.lnk", "Copy of Vorla.lnk"}, false},
      {{}, true, {}, true},
      {{}, false, {}, false},
  };
  for (const Row& row : rows) {
    auto changes = TinyShlLnk2::LinkChanges(row.links, "Vorla.lnk", launcher, row.install);
    std::string input = ::testing::PrintToString(row.links) + (row.install ? ", install" : ", remove");
    EXPECT_EQ(changes.Delete, row.deleted) << input;
    EXPECT_EQ(changes.Create, row.create) << input;
  }
}

TEST(SettingsExtensionSwitch, SwapsTxtAndVlfInAnyLetterCaseAndStopsAtAnyOtherExtension) {
  struct Row { std::string file, expected; } rows[] = {
      {"C:\\Lists\\a.txt", "C:\\Lists\\a.vlf"}, {"C:\\Lists\\b.VLF", "C:\\Lists\\b.txt"},
      {"LIST.TxT", "LIST.vlf"}, {"C:\\a.vlf.txt", "C:\\a.vlf.vlf"},
      {"\x83\x8A\x83\x58\x83\x67.txt", "\x83\x8A\x83\x58\x83\x67.vlf"},  // リスト.txt
      {"C:\\Lists\\c.doc", ""}, {"C:\\Lists\\d.txt ", ""},
      {"C:\\Lists\\e.\x82\x94\x82\x98\x82\x94", ""},  // ｔｘｔ in full-width letters
      {"C:\\old.dir\\list", ""},                      // the dot belongs to the folder
  };
  for (const Row& row : rows) EXPECT_EQ(VLOption::SwitchedName(row.file), row.expected) << row.file;
}

// A SID's bytes: revision 1, the count of sub-authorities, the authority (six bytes,
// big-endian), then the sub-authorities (little-endian).
std::string Sid(char authority, std::vector<Win::DWORD> subAuthorities) {
  std::string sid = {1, static_cast<char>(subAuthorities.size()), 0, 0, 0, 0, 0, authority};
  for (Win::DWORD sub : subAuthorities) sid.append(reinterpret_cast<const char*>(&sub), 4);  // x86: little-endian
  return sid;
}

TEST(SettingsSystem, AnAdministratorIsOneWhoseTokenListsTheAdministratorsGroupOtherThanForDenyOnly) {
  const std::string administrators = Sid(5, {32, 544}), everyone = Sid(1, {0}), users = Sid(5, {32, 545});
  struct Row { const char* groups; std::vector<TinyUtils::TTokenGroup> list; bool expected; } rows[] = {
      {"none", {}, false},
      {"Everyone, Users", {{everyone, 7}, {users, 7}}, false},
      {"Everyone, Administrators enabled", {{everyone, 7}, {administrators, 0xF}}, true},
      {"Administrators for deny only", {{everyone, 7}, {administrators, 0x10}}, false},
      {"Administrators for deny only, other bits set", {{administrators, 0x1F}}, false},
      {"a domain's group 544", {{Sid(5, {21, 1, 2, 3, 544}), 7}}, false},
      {"544 below another authority", {{Sid(1, {32, 544}), 7}}, false},
      {"one sub-authority more", {{Sid(5, {32, 544, 1}), 7}}, false},
  };
  for (const Row& row : rows) EXPECT_EQ(TinyUtils::IsAdmin(row.list), row.expected) << row.groups;
}

TEST(SettingsSystem, XPOrLaterIsNtFromVersion5Point1) {
  struct Row { Win::DWORD platform, major, minor; bool expected; } rows[] = {
      {2, 4, 0, false}, {2, 5, 0, false}, {2, 5, 1, true}, {2, 10, 0, true}, {1, 5, 1, false}, {0, 6, 0, false}};
  for (const Row& r : rows)
    EXPECT_EQ(TinyUtils::IsXPOrLater(r.platform, r.major, r.minor), r.expected)
        << r.platform << " " << r.major << "." << r.minor;
}

TEST(SettingsDialogDecisions, TheAssociationBoxIsDisabledOnlyForNtUsersWithoutRightsAndOkChangesWhatItMust) {
  EXPECT_TRUE(VLOption::AssociationBoxEnabled(2, true));
  EXPECT_FALSE(VLOption::AssociationBoxEnabled(2, false));
  EXPECT_TRUE(VLOption::AssociationBoxEnabled(1, false));  // Windows Me has no rights to test
  // OK changes the association where its box disagrees, and points at no relative launcher.
  struct Row { bool associate, sendTo, registered; std::string folder; TChange association, link; } rows[] = {
      {true, true, false, "C:\\Vorla\\", TChange::Add, TChange::Add},
      {true, true, true, "C:\\Vorla\\", TChange::None, TChange::Add},  // a registration elsewhere stays
      {false, false, true, "C:\\Vorla\\", TChange::Remove, TChange::Remove},
      {false, false, false, "C:\\Vorla\\", TChange::None, TChange::Remove},
      {true, true, false, "", TChange::None, TChange::None},
      {false, false, true, "", TChange::Remove, TChange::Remove},
  };
  for (const Row& r : rows) {
    auto plan = VLOption::PlanApply(r.associate, r.sendTo, r.registered, r.folder);
    EXPECT_EQ(std::pair(plan.Association, plan.SendTo), std::pair(r.association, r.link))
        << "boxes " << r.associate << " " << r.sendTo << ", registered " << r.registered << ", \"" << r.folder << "\"";
  }
}

TEST(SettingsDialogDecisions, TheWarningNamesEachSettingNotSavedWithTheSystemsReasonAndTheFix) {
  using VLOption::TSetting;
  struct Row { std::vector<VLOption::TSaveFailure> failures; std::string expected; } rows[] = {
      {{}, ""},
      {{{TSetting::Association, 5, "x"}, {TSetting::SendTo, 3, ""}, {TSetting::ClipboardOption, 4294967295u, "y"}},
       "次の設定を保存できませんでした。\n"
       "\n・ファイルの関連付け: x (エラー 5)\n  VLOption.exe を右クリックし、「管理者として実行」で開いて設定してください。\n"
       "\n・\"送る\"に登録: (エラー 3)\n  \"送る\" フォルダーに書き込めるか確かめてください。\n"
       "\n・クリップボード内のURLを実行 (Vorla.ini): y (エラー 4294967295)\n"
       "  Vorla のフォルダーを書き込みのできる場所 (Program Files の外など) に移してください。\n"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(VLOption::SaveFailureText(row.failures), row.expected) << ::testing::PrintToString(row.failures);
  }
}

}  // namespace
