// The two skins the program stores, from their sources and from the packages the build made of them:
// they load with no warning, hold the members and versions the program relies on, and every section and
// image the window's controls and frame look up (skins/required-keys.txt) resolves in both.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "base/Utf.h"
#include "tools/qxskin/QxSkinLoad.h"

namespace qw {
namespace {

const std::string kSources = QW_SKINS_SOURCE_DIR;   // skins/ of the source tree
const std::string kPackages = QW_SKIN_PACKAGE_DIR;  // <build>/skins

struct TRequiredKey {
  std::string Section, Key, Only;
  bool NoInherit = false;
  int Line = 0;
};

std::vector<TRequiredKey> ReadRequiredKeys() {
  std::ifstream in(kSources + "/required-keys.txt");
  std::vector<TRequiredKey> keys;
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    TRequiredKey k;
    k.Line = n;
    words >> k.Section;
    for (std::string w; words >> w;) {
      if (w == "noinherit") k.NoInherit = true;
      else if (w.rfind("only=", 0) == 0) k.Only = w.substr(5);
      else if (k.Key.empty()) k.Key = w;
      else ADD_FAILURE() << "required-keys.txt:" << n << ": unknown word " << w;
    }
    keys.push_back(k);
  }
  return keys;
}

// Loads a skin folder or package with the engine's loader; the warnings come back in skin.Warnings.
void Load(const std::string& path, TQxSkin& skin) {
  OpenQxSkin(Utf8ToUtf16(path), skin);
  BuildQxSkin(skin);
}

// Every required key the skin lacks, one line each ("SECTION KEY (line n)").
std::vector<std::string> MissingKeys(const TSkinTables& t, const std::string& skinName) {
  std::vector<std::string> missing;
  for (const TRequiredKey& k : ReadRequiredKeys()) {
    if (!k.Only.empty() && k.Only != skinName) continue;
    const std::u16string section = Utf8ToUtf16(k.Section), key = Utf8ToUtf16(k.Key);
    const int index = t.GetSkinIndex(section);
    bool found = index >= 0;
    if (found && !k.Key.empty()) {
      // An image key is a mask (border, glyph) or a texture, found the way the painters look for it.
      const int mask = k.NoInherit ? t.GetMaskIndex(section, key) : t.GetMaskIndex(index, section, key);
      const int texture = k.NoInherit ? -1 : t.GetTextureIndex(index, section, key);
      found = t.IsValidImgIndex(mask) || texture >= 0;
    }
    if (!found) missing.push_back(k.Section + " " + k.Key + " (line " + std::to_string(k.Line) + ")");
  }
  return missing;
}

std::vector<std::string> MemberNames(const TQxSkin& skin) {
  std::vector<std::string> names;
  for (const TQxMember& m : skin.Members) names.push_back(Utf16ToUtf8(m.Name));
  return names;
}

struct TShippedSkin {
  const char* Name;
  double Version;
};

class ShippedSkinsTest : public ::testing::TestWithParam<TShippedSkin> {};

TEST_P(ShippedSkinsTest, SourceAndPackageLoadCleanlyWithEveryKeyTheWindowUses) {
  const TShippedSkin s = GetParam();
  TQxSkin folder, package;
  Load(kSources + "/" + s.Name, folder);
  Load(kPackages + "/" + s.Name + ".vlz", package);
  for (TQxSkin* skin : {&folder, &package}) {
    SCOPED_TRACE(skin->IsPackage ? "package" : "folder");
    ASSERT_EQ(skin->Error, "");
    EXPECT_TRUE(skin->Warnings.empty()) << skin->Warnings.front();
    EXPECT_EQ(skin->Tables.SkinData.Version, s.Version);
    EXPECT_GT(skin->Tables.MasterBitmap.Width(), 0);
    const std::vector<std::string> missing = MissingKeys(skin->Tables, s.Name);
    EXPECT_TRUE(missing.empty()) << "missing: " << ::testing::PrintToString(missing);
  }
  // The package holds exactly the folder's files (the description first), and the same tables.
  std::vector<std::string> fromFolder = MemberNames(folder), fromPackage = MemberNames(package);
  EXPECT_EQ(fromPackage.front(), "Options.dat");
  std::sort(fromPackage.begin(), fromPackage.end());
  EXPECT_EQ(fromPackage, fromFolder);
  EXPECT_EQ(package.Tables.gd.size(), folder.Tables.gd.size());
  EXPECT_EQ(package.Tables.ma.size(), folder.Tables.ma.size());
}

INSTANTIATE_TEST_SUITE_P(Both, ShippedSkinsTest,
                         ::testing::Values(TShippedSkin{"Flatline", 7.67}, TShippedSkin{"MetroUI", 8.0}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ShippedSkins, MembersAreTheOnesThePackagesMustHold) {
  TQxSkin flat, metro;
  Load(kPackages + "/Flatline.vlz", flat);
  Load(kPackages + "/MetroUI.vlz", metro);
  EXPECT_EQ(flat.Members.size(), 5u);
  EXPECT_EQ(MemberNames(metro), (std::vector<std::string>{"Options.dat", "ButtonHuge.BMP", "Close.png", "Master.bmp",
                                                          "Max.png", "Min.png", "Norm.png", "RectHint1.PNG"}));
}

// The walk itself must notice a missing section or image, or it proves nothing.
TEST(ShippedSkins, TheKeyWalkReportsWhatIsMissing) {
  TQxSkin skin;
  Load(kSources + "/Flatline", skin);
  const std::vector<TRequiredKey> keys = ReadRequiredKeys();
  ASSERT_GT(keys.size(), 80u);
  size_t forFlatline = 0;
  for (const TRequiredKey& k : keys) forFlatline += k.Only != "MetroUI";
  EXPECT_EQ(MissingKeys(TSkinTables(), "Flatline").size(), forFlatline);
  // Flatline has neither ICOLINE nor caption glows, which MetroUI must have.
  const std::vector<std::string> missing = MissingKeys(skin.Tables, "MetroUI");
  EXPECT_NE(std::find(missing.begin(), missing.end(), "ICOLINE  (line 94)"), missing.end())
      << ::testing::PrintToString(missing);
}

}  // namespace
}  // namespace qw
