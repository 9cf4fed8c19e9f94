#include "skin/data/SkinManager.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/data/SkinColorAdjust.h"
#include "skin/data/SkinPackage.h"
#include "image/BitmapColor.h"
#include "tests/data/SkinTestUtil.h"

namespace qw {
namespace {

using test::Bytes;

std::vector<uint8_t> Package(const std::string& version, const std::string& extraSection = "") {
  std::vector<TPackageMember> m = test::SampleMembers(version);
  m[0].Data = Bytes(test::SampleDescription(version) + extraSection);
  return WriteSkinPackage(m);
}

class TRecordingHook final : public TsSkinBroadcastHook {
 public:
  std::vector<std::string>* Log;
  explicit TRecordingHook(std::vector<std::string>* log) : Log(log) {}
  void AnnounceNewSkin(TsSkinManager& m, bool repaint) override {
    Log->push_back(std::string("new") + (repaint ? "+repaint" : "") + (m.SkinData.Active ? " active!" : ""));
  }
  void AnnounceRemoveSkin(TsSkinManager&) override { Log->push_back("remove"); }
  void RepaintForms(TsSkinManager&, bool lock) override { Log->push_back(lock ? "repaint+lock" : "repaint"); }
};

class SkinManagerTest : public ::testing::Test {
 protected:
  test::TFakeFileSystem Fs;
  test::TFakeMessages Msg;
  test::TFakeSystem Sys;
  std::vector<std::string> Log;
  TRecordingHook Hook{&Log};

  std::unique_ptr<TsSkinManager> Make(bool withInternal = true) {
    auto m = std::make_unique<TsSkinManager>(TSkinServices{&Fs, &Msg, &Sys});
    m->BroadcastHook = &Hook;
    m->OnBeforeChange = [this] { Log.push_back("before"); };
    m->OnActivate = [this] { Log.push_back("activate"); };
    m->OnAfterChange = [this] { Log.push_back("after"); };
    m->OnDeactivate = [this] { Log.push_back("deactivate"); };
    if (withInternal) {
      m->InternalSkins.push_back({u"Flatline (internal)", Package("7.67", "[FLAT]\r\n")});
      m->InternalSkins.push_back({u"MetroUI (internal)", Package("8.00", "[METRO]\r\n")});
    }
    return m;
  }
  // The window description's order: properties while loading, then Loaded.
  std::unique_ptr<TsSkinManager> StartUp(const std::u16string& name) {
    auto m = Make();
    m->SetComponentState(csLoading | csReading);
    m->SetSkinDirectory(u"c:\\Skins");
    m->SetSkinName(name);
    m->Loaded();
    return m;
  }
};

TEST_F(SkinManagerTest, FallsBackToTheFirstStoredSkin) {
  auto m = StartUp(u"MetroUI");
  EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
  EXPECT_TRUE(m->SkinData.Active);
  EXPECT_TRUE(m->SkinIsPacked);
  EXPECT_EQ(m->SkinData.SkinPath, u"");
  EXPECT_GE(m->GetSkinIndex(u"FLAT"), 0);
  EXPECT_EQ(m->SkinInfo(), u"7.67");
  EXPECT_EQ(m->Version(), u"8.10");
  EXPECT_EQ(m->ma[0].Manager, m.get());
  EXPECT_FALSE(SkinLoading);
  EXPECT_TRUE(Msg.Errors.empty());
  // Announced once, without repaint, from Loaded.
  EXPECT_EQ(Log, (std::vector<std::string>{"before", "after", "new", "activate"}));

  Log.clear();
  m->SetSkinName(u"MetroUI (internal)");
  EXPECT_GE(m->GetSkinIndex(u"METRO"), 0);
  EXPECT_EQ(Log, (std::vector<std::string>{"before", "new+repaint", "activate", "after"}));
  m->SetSkinName(u"metroui (internal)");
  EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
}

TEST_F(SkinManagerTest, PackageBeforeFolderAndNameRules) {
  Fs.Add(u"c:\\Skins\\Aqua.vlz", Package("8.00", "[AQUAPKG]\r\n"));
  Fs.Add(u"c:\\Skins\\Aqua\\Options.dat", Bytes(test::SampleDescription() + "[AQUADIR]\r\n"));
  Fs.Add(u"c:\\Skins\\Aqua\\MASTER.BMP", test::SampleMaster());
  Fs.Add(u"c:\\Skins\\Dir\\Options.dat", Bytes(test::SampleDescription() + "[DIR]\r\n"));
  Fs.Add(u"c:\\Skins\\Dir\\MASTER.BMP", test::SampleMaster());
  auto m = StartUp(u"Aqua.VLZ");
  EXPECT_EQ(m->SkinName(), u"Aqua");
  EXPECT_GE(m->GetSkinIndex(u"AQUAPKG"), 0);
  EXPECT_EQ(m->SkinData.SkinPath, u"c:\\Skins\\");
  m->SetSkinName(u"Dir");
  EXPECT_GE(m->GetSkinIndex(u"DIR"), 0);
  EXPECT_FALSE(m->SkinIsPacked);
  EXPECT_EQ(m->SkinData.SkinPath, u"c:\\Skins\\Dir\\");
  EXPECT_EQ(m->MasterBitmap.Width(), 60);  // the folder's file, prefixed with the skin path
}

TEST_F(SkinManagerTest, BrokenPackagesKeepThePreviousSkin) {
  auto m = StartUp(u"MetroUI (internal)");
  std::vector<uint8_t> good = Package("8.00", "[GOOD]\r\n");
  std::vector<std::vector<uint8_t>> broken;
  broken.push_back(Bytes("VLzX\1\0\0\0"));
  for (size_t n : {size_t{0}, size_t{7}, size_t{30}, good.size() / 2, good.size() - 1})
    broken.emplace_back(good.begin(), good.begin() + static_cast<long>(n));
  std::vector<uint8_t> corrupt = good;
  corrupt[40] ^= 0xFF;
  broken.push_back(corrupt);
  broken.push_back(Package("8.00", "[BAD]\r\nX=@00x0@0000@0001@0001@1@0\r\n"));
  for (size_t i = 0; i < broken.size(); ++i) {
    Fs.Add(u"c:\\Skins\\Broken.vlz", broken[i]);
    Msg.Errors.clear();
    m->SetSkinName(u"Broken");
    EXPECT_EQ(m->SkinName(), u"MetroUI (internal)") << i;
    EXPECT_GE(m->GetSkinIndex(u"METRO"), 0) << i;
    EXPECT_TRUE(m->SkinData.Active) << i;
    EXPECT_FALSE(SkinLoading);
    ASSERT_EQ(Msg.Errors.size(), 1u) << i;
  }
  Fs.Add(u"c:\\Skins\\Broken.vlz", Bytes("XXXXXXXX"));
  Msg.Errors.clear();
  m->SetSkinName(u"Broken");
  EXPECT_EQ(Msg.Errors[0], u"Loaded data is not a packed Velloran file");
  // A stored skin without data fails the same clean way.
  m->InternalSkins.push_back({u"Empty", {}});
  m->SetSkinName(u"Empty");
  EXPECT_EQ(m->SkinName(), u"MetroUI (internal)");
  EXPECT_EQ(Msg.Errors.size(), 2u);
}

TEST_F(SkinManagerTest, BrokenPackageAtStartUpFallsBackToTheFirstStoredSkin) {
  Fs.Add(u"c:\\Skins\\MetroUI.vlz", Bytes("XXXXXXXX"));
  auto m = StartUp(u"MetroUI");
  ASSERT_EQ(Msg.Errors, (std::vector<std::u16string>{u"Loaded data is not a packed Velloran file"}));
  EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
  EXPECT_GE(m->GetSkinIndex(u"FLAT"), 0);
  EXPECT_TRUE(m->SkinData.Active);
  EXPECT_TRUE(m->SkinIsPacked);
  EXPECT_EQ(Log, (std::vector<std::string>{"before", "after", "new", "activate"}));
  // Once a skin is in place, a broken one keeps it (no second fallback).
  Fs.Add(u"c:\\Skins\\Other.vlz", Bytes("VLzX"));
  m->SetSkinName(u"MetroUI (internal)");
  m->SetSkinName(u"Other");
  EXPECT_EQ(m->SkinName(), u"MetroUI (internal)");
  EXPECT_GE(m->GetSkinIndex(u"METRO"), 0);

  // Without stored skins there is nothing to fall back to: the name goes back, no tables.
  Msg.Errors.clear();
  auto bare = Make(false);
  bare->SetSkinName(u"MetroUI");
  EXPECT_EQ(Msg.Errors.size(), 1u);
  EXPECT_EQ(bare->SkinName(), u"");
  EXPECT_TRUE(bare->gd.empty());
}

TEST_F(SkinManagerTest, EachFailedLoadShowsOneErrorBoxAndTheFallbackNeverRetriesTheSameSkin) {
  const std::u16string notPacked = u"Loaded data is not a packed Velloran file";
  auto withBrokenStored = [this](size_t which) {
    auto m = Make();
    m->InternalSkins[which].Data = Bytes("XXXXXXXX");
    m->SetComponentState(csLoading | csReading);
    m->SetSkinDirectory(u"c:\\Skins");
    return m;
  };
  // The named skin is nowhere, so the first stored one is loaded, and it is broken: one box, not a
  // second one from a fallback to that same skin.
  auto m = withBrokenStored(0);
  m->SetSkinName(u"MetroUI");
  m->Loaded();
  EXPECT_EQ(Msg.Errors, std::vector<std::u16string>{notPacked});
  EXPECT_EQ(m->SkinName(), u"");
  EXPECT_TRUE(m->gd.empty());
  EXPECT_FALSE(SkinLoading);

  // The same when the first stored skin is named outright.
  Msg.Errors.clear();
  m = withBrokenStored(0);
  m->SetSkinName(u"Flatline (internal)");
  EXPECT_EQ(Msg.Errors.size(), 1u);

  // A broken package and then a broken first stored skin are two failures: two boxes, once each.
  Msg.Errors.clear();
  Fs.Add(u"c:\\Skins\\Deep.vlz", Bytes("VLzX\1\0\0\0"));
  m = withBrokenStored(0);
  m->SetSkinName(u"Deep");
  ASSERT_EQ(Msg.Errors.size(), 2u);
  EXPECT_EQ(Msg.Errors[1], notPacked);
  EXPECT_TRUE(m->gd.empty());

  // A broken second stored skin still falls back to the first, which loads.
  Msg.Errors.clear();
  m = withBrokenStored(1);
  m->SetSkinName(u"MetroUI (internal)");
  m->Loaded();
  EXPECT_EQ(Msg.Errors, std::vector<std::u16string>{notPacked});
  EXPECT_EQ(m->SkinName(), u"Flatline (internal)");
  EXPECT_GE(m->GetSkinIndex(u"FLAT"), 0);
  EXPECT_TRUE(m->SkinData.Active);
}

TEST_F(SkinManagerTest, ThirdPartyListsGetTheirDefaults) {
  auto m = Make();
  EXPECT_EQ(std::u16string(kThirdPartyNames[1]), u"ThirdButtons");
  EXPECT_EQ(std::u16string(kThirdPartyNames[20]), u"ThirdScrollBar");
  for (int i = 0; i < kThirdPartyCount; ++i)
    EXPECT_EQ(m->ThirdLists()[static_cast<size_t>(i)],
              std::vector<std::u16string>{i == 1 ? u"TButton" : u" "}) << i;
  // Stored lists replace the defaults when loading ends; a list emptied again gets its default back.
  m->SetComponentState(csLoading | csReading);
  m->ThirdParty[0] = {u"TMyEdit", u"TOtherEdit"};
  m->ThirdParty[1].clear();
  m->Loaded();
  EXPECT_EQ(m->ThirdLists()[0], (std::vector<std::u16string>{u"TMyEdit", u"TOtherEdit"}));
  EXPECT_EQ(m->ThirdLists()[1], std::vector<std::u16string>{u"TButton"});
  EXPECT_FALSE(m->Loading());
}

TEST_F(SkinManagerTest, HighContrastAwareManagerStepsAsideAndComesBack) {
  auto m = StartUp(u"MetroUI");
  Sys.Contrast = true;
  m->SystemSettingsChanged();
  EXPECT_TRUE(m->Active()) << "not aware: the stored look stays";
  m->SetHighContrastAware(true);
  EXPECT_FALSE(m->Active());
  EXPECT_TRUE(m->SteppedAside());
  Sys.Contrast = false;
  Log.clear();
  m->SystemSettingsChanged();
  EXPECT_TRUE(m->Active());
  EXPECT_TRUE(m->SkinData.Active);
  EXPECT_FALSE(Log.empty());
  // Switched off by the program while aside: the end of high contrast does not switch it on.
  Sys.Contrast = true;
  m->SystemSettingsChanged();
  m->SetActive(false);
  Sys.Contrast = false;
  m->SystemSettingsChanged();
  EXPECT_FALSE(m->Active());
}

TEST_F(SkinManagerTest, NoSkinAnywhereSwitchesOff) {
  auto m = Make(false);
  m->SetSkinName(u"Nothing");
  EXPECT_FALSE(m->Active());
  EXPECT_FALSE(m->SkinData.Active);
  EXPECT_EQ(m->SkinInfo(), u"N/A");
  EXPECT_EQ(Log, (std::vector<std::string>{"before", "remove", "activate", "after"}));
  Log.clear();
  auto n = Make();
  n->SetSkinName(u"X");
  n->SetActive(false);
  EXPECT_EQ(Log.back(), "deactivate");
  EXPECT_TRUE(n->gd.empty());
  EXPECT_EQ(n->ConstData.IndexGLobalInfo, -1);
}

TEST_F(SkinManagerTest, SkinDirectories) {
  auto m = Make();
  m->SetActive(false);  // names are only stored while inactive
  m->SetSkinDirectory(u"..\\Skins");
  m->SetSkinName(u"Deep");
  EXPECT_EQ(m->GetFullSkinDirectory(), u"C:\\App\\Skins");
  EXPECT_EQ(m->PackageCandidate(), u"..\\Skins\\Deep.vlz");
  m->SetSkinDirectory(u".\\Skins");
  EXPECT_EQ(m->GetFullSkinDirectory(), u"C:\\App\\Bin\\Skins");
  m->SetSkinDirectory(u"Skins");
  EXPECT_EQ(m->GetFullSkinDirectory(), u"C:\\App\\Bin\\Skins");
  EXPECT_EQ(m->SkinData.SkinPath, u"C:\\App\\Bin\\Skins");
  m->SetSkinDirectory(u"\\\\server\\skins");
  EXPECT_EQ(m->GetFullSkinDirectory(), u"\\\\server\\skins");
  m->SetSkinDirectory(u"d");
  EXPECT_EQ(m->PackageCandidate(), u"d:\\Deep.vlz");
  m->SetSkinDirectory(u"e:/skins/");
  EXPECT_EQ(m->PackageCandidate(), u"e:/skins\\Deep.vlz");
  // A folder skin in a relative directory is found below the program's parent folder.
  Fs.Add(u"C:\\App\\Skins\\Rel\\Options.dat", Bytes("[GLOBALINFO]\r\n[REL]\r\n"));
  m->SetSkinDirectory(u"..\\Skins");
  m->SetSkinName(u"Rel");
  m->SetActive(true);
  EXPECT_GE(m->GetSkinIndex(u"REL"), 0);
}

TEST_F(SkinManagerTest, VersionWarnings) {
  auto m = Make();
  m->InternalSkins.insert(m->InternalSkins.begin(), {u"New", Package("9.1")});
  m->InternalSkins.push_back({u"Old", Package("6.5")});
  m->SetSkinName(u"New");
  ASSERT_EQ(Msg.Warnings.size(), 2u);  // once by the loader, once while reading the general data
  EXPECT_EQ(Msg.Warnings[0],
            u"This version of the skin have not complete support by used Tarnwick package release.\r\n"
            u"Components must be updated up to latest version for using this skin.");
  EXPECT_TRUE(m->SkinningRules() & srStdDialogs);
  m->SetSkinName(u"Old");
  EXPECT_TRUE(Msg.Infos.empty());
  Sys.Args = {u"/QXTest"};
  m->SetSkinName(u"Old");
  ASSERT_EQ(Msg.Infos.size(), 2u);
  EXPECT_EQ(Msg.Infos[0],
            u"You are using an old version of the \"Old\" skin. Please, update a skins to latest or link with the "
            u"Tarnwick support for upgrading of existing skin.\r\n\r\nThis notification occurs in design-time "
            u"only for your information and will not occur in real-time.");
  m->SetSkinName(u"Flatline (internal)");
  EXPECT_EQ(Msg.Infos.size(), 2u);
  EXPECT_EQ(Msg.Warnings.size(), 2u);
}

TEST_F(SkinManagerTest, SkinNamesAndRandomSkin) {
  Fs.AddNamed(u"c:\\Skins\\Deep.Blue.vlz", Bytes("x"));
  Fs.AddNamed(u"c:\\Skins\\UPPER.VLZ", Bytes("x"));
  Fs.AddNamed(u"c:\\Skins\\.hidden.vlz", Bytes("x"));
  Fs.Add(u"c:\\Skins\\aFolder\\Options.dat", Bytes("x"));
  Fs.AddDir(u"c:\\Skins\\NoOptions");
  auto m = Make();
  std::vector<std::u16string> names;
  std::u16string first;
  m->GetSkinNames(names, stAllSkins, &first);
  EXPECT_EQ(first, u"Flatline (internal)");
  EXPECT_EQ(names, (std::vector<std::u16string>{u"aFolder", u"Deep", u"Flatline (internal)", u"MetroUI (internal)"}));
  m->GetSkinNames(names, stPacked);
  EXPECT_EQ(names.size(), 3u);
  m->GetExternalSkinNames(names, stUnpacked, &first);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"aFolder"}));
  EXPECT_EQ(first, u"aFolder");
  std::u16string r = m->GetRandomSkin();
  EXPECT_FALSE(r.empty());
  auto bare = Make(false);
  bare->SetSkinDirectory(u"c:\\None");
  EXPECT_EQ(bare->GetRandomSkin(), u"");
}

TEST_F(SkinManagerTest, ExportingStoredSkins) {
  auto m = Make();
  Fs.AddDir(u"C:\\Out");
  m->ExtractInternalSkin(u"Flatline (internal)", u"C:\\Out");
  auto written = Fs.ReadFile(u"C:\\Out\\Flatline (internal) extracted.vlz");
  ASSERT_TRUE(written);
  EXPECT_EQ(*written, m->InternalSkins[0].Data);
  m->ExtractInternalSkin(u"Flatline (internal)", u"C:\\Missing");
  m->ExtractInternalSkin(u"Nope", u"C:\\Out");
  m->ExtractByIndex(1, u"Z:\\Locked");
  EXPECT_EQ(Msg.Errors, (std::vector<std::u16string>{u"Directory does not exists.", u"Skin does not exists.",
                                                      u"Directory Z:\\Locked\\ creation error."}));
  m->ExtractByIndex(1, u"C:\\New\\Sub");
  EXPECT_TRUE(Fs.FileExists(u"C:\\New\\Sub\\MetroUI (internal) extracted.vlz"));
}

TEST_F(SkinManagerTest, ColourQueries) {
  auto m = Make(false);
  EXPECT_EQ(m->GetGlobalColor(), Sys.SysColor(15));
  EXPECT_EQ(m->GetGlobalFontColor(), 0xFF00FFu);
  EXPECT_EQ(m->GetActiveEditColor(), static_cast<int32_t>(0xFF000005u));
  EXPECT_EQ(m->GetHighLightColor(true), static_cast<int32_t>(0xFF00000Du));
  m->InternalSkins.push_back({u"S", Package("8.00",
                                            "[SELECTION]\r\nSTATES=2\r\nCOLOR=16711935\r\nHOTCOLOR=77\r\nFONTCOLOR=5\r\n"
                                            "[MENUITEM]\r\nHOTCOLOR=88\r\nHOTFONTCOLOR=-1\r\n")});
  m->SetSkinName(u"S");
  EXPECT_EQ(m->GetGlobalColor(), 16777215u);
  EXPECT_EQ(m->GetGlobalFontColor(), 255u);
  EXPECT_EQ(m->GetActiveEditColor(), 14330112);
  EXPECT_EQ(m->GetActiveEditFontColor(), 0);
  EXPECT_EQ(m->GetHighLightColor(true), 77);
  EXPECT_EQ(m->GetHighLightColor(false), 88);  // SELECTION's normal colour is magenta
  EXPECT_EQ(m->GetHighLightFontColor(false), 5);
  std::vector<std::u16string> sections;
  m->GetSkinSections(sections);
  EXPECT_EQ(sections.front(), u"GLOBALINFO");
  EXPECT_EQ(sections.size(), m->gd.size());
}

TEST_F(SkinManagerTest, DefaultManagerAndUpdates) {
  {
    auto first = Make();
    auto second = Make();
    EXPECT_TRUE(first->IsDefault());
    EXPECT_FALSE(second->IsDefault());
    second->SetIsDefault(false);
    EXPECT_TRUE(first->IsDefault());
    second->SetIsDefault(true);
    EXPECT_EQ(DefaultManager(), second.get());
    second.reset();
    EXPECT_EQ(DefaultManager(), nullptr);
  }
  auto m = Make();
  m->BeginUpdate();
  Log.clear();
  m->SetSkinName(u"MetroUI (internal)");
  EXPECT_EQ(Log, (std::vector<std::string>{"before", "activate", "after"}));
  m->EndUpdate(true, false);
  EXPECT_EQ(Log.back(), "new+repaint");
  EXPECT_TRUE(m->AnimEffects.SkinChanging.Active);
}

TEST_F(SkinManagerTest, CommonSectionsAreMerged) {
  auto m = Make();
  m->SetCommonSections({u"[EXTRA]", u"COLOR = 1 2", u"; comment", u"[BUTTON]", u"STATES=1"});
  m->SetSkinName(u"Flatline (internal)");
  int extra = m->GetSkinIndex(u"EXTRA");
  ASSERT_GE(extra, 0);
  EXPECT_EQ(m->gd[static_cast<size_t>(extra)].Color(), 12);
  EXPECT_EQ(m->gd[static_cast<size_t>(m->GetSkinIndex(u"BUTTON"))].States, 1);
  EXPECT_EQ(m->gd[static_cast<size_t>(m->GetSkinIndex(u"BUTTON"))].Color(), 255);
}

TEST_F(SkinManagerTest, HueAndSaturationApplyToFreshData) {
  auto m = Make();
  m->SetCommonSections({u"[GLOBALINFO]", u"BIKEEPHUE=1", u"BICONCLOSE=@0000@0000@0010@0010@1@0"});
  m->SetSkinName(u"MetroUI (internal)");
  size_t b = static_cast<size_t>(m->GetSkinIndex(u"BUTTON"));
  const int32_t red = m->gd[b].Color();
  const uint32_t kept = m->MasterBitmap.At(1, 1), turned = m->MasterBitmap.At(20, 20);
  ASSERT_EQ(red, 255);
  Log.clear();
  m->SetSaturation(150);  // acts as 49
  EXPECT_EQ(m->gd[b].Color(), ChangeColorSaturation(255, 49));
  EXPECT_EQ(Log, (std::vector<std::string>{"repaint+lock"}));
  EXPECT_TRUE(m->SkinData.Active);
  m->SetSaturation(0);
  EXPECT_EQ(m->gd[b].Color(), red);  // reloaded from scratch: nothing accumulates
  m->SetHueOffset(120);
  m->SetHueOffset(0);
  m->SetHueOffset(120);
  EXPECT_EQ(m->gd[b].Color(), ChangeColorHue(255, 120));
  EXPECT_EQ(m->gd[b].Props[0].Color, ChangeColorHue(255, 120));
  EXPECT_EQ(m->MasterBitmap.At(20, 20), ChangePixelHue(turned, 120));
  EXPECT_EQ(m->MasterBitmap.At(1, 1), kept);  // the close glyph keeps its colours
  EXPECT_EQ(m->gd[b].FontColor().Left, -1);
}

TEST_F(SkinManagerTest, ZeroAdjustmentsLeaveTheTablesBitIdenticalAndMarkersStay) {
  auto m = Make();
  m->SetSkinName(u"MetroUI (internal)");
  const TsGeneralDataArray sections = m->gd;
  const TBitmap32 master = m->MasterBitmap.Clone();
  std::vector<TBitmap32> masks;
  for (const TsMaskData& mask : m->ma) masks.push_back(mask.Bmp ? mask.Bmp->Clone() : TBitmap32());
  AdjustSkinColors(m->Tables, 0, 0);
  ASSERT_EQ(m->gd.size(), sections.size());
  for (size_t i = 0; i < sections.size(); ++i) {
    EXPECT_EQ(m->gd[i].Props[0], sections[i].Props[0]) << i;
    EXPECT_EQ(m->gd[i].Props[1], sections[i].Props[1]) << i;
  }
  ASSERT_EQ(m->MasterBitmap.PixelCount(), master.PixelCount());
  EXPECT_TRUE(std::equal(master.Pixels(), master.Pixels() + master.PixelCount(), m->MasterBitmap.Pixels()));
  for (size_t i = 0; i < masks.size(); ++i) {
    if (!m->ma[i].Bmp) continue;
    EXPECT_TRUE(std::equal(masks[i].Pixels(), masks[i].Pixels() + masks[i].PixelCount(), m->ma[i].Bmp->Pixels()));
  }
  // The key colour and "no colour" are never turned or saturated.
  TsGenState& normal = m->gd[0].Props[0];
  normal.Color = 0xFF00FF;
  normal.FontColor.Bottom = -1;
  normal.GlowColor = 0x0000FF;
  ApplyHueOffset(m->Tables, -120);
  ApplySaturation(m->Tables, 60);
  EXPECT_EQ(normal.Color, 0xFF00FF);
  EXPECT_EQ(normal.FontColor.Bottom, -1);
  EXPECT_EQ(normal.GlowColor, ChangeColorSaturation(ChangeColorHue(0x0000FF, 240), 60)) << "-120 turns as 240";
}

}  // namespace
}  // namespace qw
