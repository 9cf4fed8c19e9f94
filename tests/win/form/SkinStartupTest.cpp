// Start-up chooses the window's skin the way its stored skin manager says: the package c:\Skins\MetroUI.vlz,
// else the folder c:\Skins\MetroUI, else the first skin stored in the program; a broken package shows the
// engine's error box and the stored skin is used. The skin directory is the Wine prefix's own c:\Skins,
// made and removed by each test (one at a time: these tests share the display lock).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Utf.h"
#include "skin/data/SkinManager.h"
#include "tests/win/form/FormTestSupport.h"
#include "tools/qxskin/QxSkinCommand.h"

namespace qw {
namespace {

namespace fs = std::filesystem;
using test::TGeneratorWindow;
using test::TMessageBoxCatcher;

using test::TSkinDirectory;
using test::TSkinSource;

const fs::path kSkinDir = TSkinDirectory::kDir;
const std::string kSources = QW_SKINS_SOURCE_DIR;
const std::string kPackages = QW_SKIN_PACKAGE_DIR;

std::vector<uint8_t> ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// qxskin pack, the skin author's tool, as a user would make a package.
void PackMetroUI(const std::u16string& to) {
  std::string out, err;
  ASSERT_EQ(RunQxSkin({u"pack", Utf8ToUtf16(kSources + "/MetroUI"), to}, out, err), 0) << err;
}

TEST(SkinStartup, WithoutSkinDirectoryTheFirstStoredSkinIsUsed) {
  TSkinDirectory none(false);
  TMessageBoxCatcher boxes;
  TGeneratorWindow window(TSkinSource::SkinDirectory);
  TsSkinManager* m = window->sSkinManager1;
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
  EXPECT_TRUE(m->SkinIsPacked);
  EXPECT_TRUE(m->SkinData.Active);
  EXPECT_FALSE(m->Loading());
  EXPECT_EQ(m->SkinInfo(), u"7.67");
  EXPECT_EQ(m->SkinData.SkinPath, u"");
  EXPECT_GE(m->GetSkinIndex(u"TARNWICKCOMBOBOX"), 0);
  EXPECT_LT(m->GetSkinIndex(u"ICOLINE"), 0);  // a MetroUI section
  EXPECT_TRUE(boxes.Boxes.empty());

  // The stored properties of the description.
  EXPECT_EQ(DefaultManager(), m);
  EXPECT_EQ(m->SkinDirectory(), u"c:\\Skins");
  EXPECT_EQ(m->MenuSupport.IcoLineSkin, u"ICOLINE");
  ASSERT_EQ(m->InternalSkins.size(), 2u);
  EXPECT_EQ(m->InternalSkins[0].Name, u"Flatline (internal)");
  EXPECT_EQ(m->InternalSkins[1].Name, u"MetroUI (internal)");
  // The stored data are the packages this build made from skins/, byte for byte.
  EXPECT_EQ(m->InternalSkins[0].Data, ReadBytes(kPackages + "/Flatline.vlz"));
  EXPECT_EQ(m->InternalSkins[1].Data, ReadBytes(kPackages + "/MetroUI.vlz"));
  for (int i = 0; i < kThirdPartyCount; ++i)
    EXPECT_EQ(m->ThirdLists()[static_cast<size_t>(i)], std::vector<std::u16string>{i == 1 ? u"TButton" : u" "});

  // The second stored skin answers to its exact name only.
  m->SetSkinName(u"MetroUI (internal)");
  EXPECT_EQ(m->SkinName(), u"MetroUI (internal)");
  EXPECT_GE(m->GetSkinIndex(u"ICOLINE"), 0);
  m->SetSkinName(u"metroui (internal)");
  EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(SkinStartup, AMetroUIPackageInTheSkinDirectoryIsLoaded) {
  TSkinDirectory dir(true);
  PackMetroUI(u"c:\\Skins\\MetroUI.vlz");
  TMessageBoxCatcher boxes;
  TGeneratorWindow window(TSkinSource::SkinDirectory);
  TsSkinManager* m = window->sSkinManager1;
  EXPECT_EQ(m->SkinName(), u"MetroUI");
  EXPECT_TRUE(m->SkinIsPacked);
  EXPECT_EQ(m->SkinInfo(), u"8");
  EXPECT_EQ(m->SkinData.SkinPath, u"c:\\Skins\\");
  EXPECT_GE(m->GetSkinIndex(u"ICOLINE"), 0);
  EXPECT_TRUE(boxes.Boxes.empty());
}

TEST(SkinStartup, AMetroUIFolderInTheSkinDirectoryIsLoaded) {
  TSkinDirectory dir(true);
  fs::copy(fs::path(kSources + "/MetroUI"), kSkinDir / L"MetroUI");
  TMessageBoxCatcher boxes;
  TGeneratorWindow window(TSkinSource::SkinDirectory);
  TsSkinManager* m = window->sSkinManager1;
  EXPECT_EQ(m->SkinName(), u"MetroUI");
  EXPECT_FALSE(m->SkinIsPacked);
  EXPECT_EQ(m->SkinData.SkinPath, u"c:\\Skins\\MetroUI\\");
  EXPECT_GT(m->MasterBitmap.Width(), 0);
  EXPECT_TRUE(boxes.Boxes.empty());

  // A package of the same name wins over the folder.
  window.Form.reset();
  PackMetroUI(u"c:\\Skins\\MetroUI.vlz");
  TGeneratorWindow again(TSkinSource::SkinDirectory);
  EXPECT_TRUE(again->sSkinManager1->SkinIsPacked);
  EXPECT_EQ(again->sSkinManager1->SkinData.SkinPath, u"c:\\Skins\\");
}

TEST(SkinStartup, ABrokenPackageShowsTheErrorBoxAndTheStoredSkinIsUsed) {
  TSkinDirectory dir(true);
  PackMetroUI(u"c:\\Skins\\Good.vlz");
  std::vector<uint8_t> cut = ReadBytes(kSkinDir / L"Good.vlz");
  cut.resize(cut.size() / 2);
  const std::vector<std::pair<std::vector<uint8_t>, std::wstring>> broken = {
      {{'N', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'}, L"Loaded data is not a packed Velloran file"},
      {cut, L""},  // cut in half: some error, whatever the member it stops in
  };
  for (const auto& [bytes, text] : broken) {
    WriteBytes(kSkinDir / L"MetroUI.vlz", bytes);
    TMessageBoxCatcher boxes;
    TGeneratorWindow window(TSkinSource::SkinDirectory);
    TsSkinManager* m = window->sSkinManager1;
    ASSERT_EQ(boxes.Boxes.size(), 1u);
    EXPECT_EQ(boxes.Boxes[0].Caption, L"Error");
    EXPECT_TRUE(boxes.Boxes[0].HasIcon);
    if (!text.empty()) {
      EXPECT_EQ(boxes.Boxes[0].Text, text);
    }
    EXPECT_FALSE(boxes.Boxes[0].Text.empty());
    EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
    EXPECT_TRUE(m->SkinData.Active);
    EXPECT_GE(m->GetSkinIndex(u"TARNWICKCOMBOBOX"), 0);
    EXPECT_TRUE(IsWindowVisible(window->Handle()));
  }
}

}  // namespace
}  // namespace qw
