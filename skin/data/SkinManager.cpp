#include "skin/data/SkinManager.h"

#include <algorithm>
#include <charconv>
#include <random>

#include "base/Utf.h"
#include "skin/data/SkinColorAdjust.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinPackage.h"

namespace qw {

bool SkinLoading = false;

namespace {

TsSkinManager* GDefaultManager = nullptr;

constexpr int32_t SysColorConst(int index) { return static_cast<int32_t>(0xFF000000u | static_cast<uint32_t>(index)); }

bool EndsWithNoCase(std::u16string_view s, std::u16string_view tail) {
  return s.size() >= tail.size() && UpperName(s.substr(s.size() - tail.size())) == UpperName(tail);
}

// Sets the process-wide loading flag for as long as it lives, whatever way the load ends.
class TSkinLoadingScope {
 public:
  TSkinLoadingScope() : FWas(SkinLoading) { SkinLoading = true; }
  ~TSkinLoadingScope() { SkinLoading = FWas; }
  TSkinLoadingScope(const TSkinLoadingScope&) = delete;
  TSkinLoadingScope& operator=(const TSkinLoadingScope&) = delete;

 private:
  bool FWas;
};

std::u16string ToLowerAscii(std::u16string s) {
  for (char16_t& c : s)
    if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
  return s;
}

}  // namespace

TsSkinManager* DefaultManager() { return GDefaultManager; }

TsSkinManager::TsSkinManager(TSkinServices services)
    : FFs(services.FileSystem ? services.FileSystem : &SystemSkinFileSystem()),
      FMessages(services.Messages ? services.Messages : &SystemSkinMessages()),
      FSystem(services.System ? services.System : &SystemSkinSystem()),
      FDecode(services.Decode ? services.Decode : &DecodeSkinImage) {
  if (!GDefaultManager) GDefaultManager = this;
  FSkinDirectory = u"c:\\Skins";
  UpdateThirdLists();
}

const char16_t* const kThirdPartyNames[kThirdPartyCount] = {
    u"ThirdEdits",      u"ThirdButtons",      u"ThirdBitBtns",      u"ThirdCheckBoxes",   u"ThirdComboBoxes",
    u"ThirdGrids",      u"ThirdGroupBoxes",   u"ThirdListViews",    u"ThirdPanels",       u"ThirdTreeViews",
    u"ThirdWWEdits",    u"ThirdGridEh",       u"ThirdVirtualTrees", u"ThirdPageControl",  u"ThirdTabControl",
    u"ThirdToolBar",    u"ThirdStatusBar",    u"ThirdSpeedButton",  u"ThirdScrollControl", u"ThirdUpDown",
    u"ThirdScrollBar"};

void TsSkinManager::UpdateThirdLists() {
  for (int i = 0; i < kThirdPartyCount; ++i) {
    auto& list = ThirdParty[static_cast<size_t>(i)];
    if (list.empty()) list.push_back(i == 1 ? u"TButton" : u" ");
    FThirdLists[static_cast<size_t>(i)] = list;
  }
}

TsSkinManager::~TsSkinManager() {
  try {
    if (FActive) {
      FActive = false;
      BroadcastRemoveSkin();
    }
  } catch (...) {
    // Nothing may escape a destructor; the tables go with the object anyway.
  }
  FExtendedBorders = false;
  if (GDefaultManager == this) GDefaultManager = nullptr;
}

// ---- Properties -------------------------------------------------------------------------------------

void TsSkinManager::SetSkinName(const std::u16string& value) {
  std::u16string old = FSkinName;
  FSkinName = value;
  if (!FActive) {
    UpdateDialogSkinning();
    return;
  }
  Fire(OnBeforeChange);
  if (FExtendedBorders && !FNonAutoUpdate && AnimEffects.SkinChanging.Active && BroadcastHook)
    BroadcastHook->PrepareSkinChangeAnimation(*this);
  {
    TSkinLoadingScope loading;
    SkinData.Active = false;
    if (FSkinName.size() > 4 && EndsWithNoCase(FSkinName, u".vlz")) FSkinName.resize(FSkinName.size() - 4);
    bool packed = FFs->FileExists(PackageCandidate());
    if (packed && PreviewMode) {
      std::u16string dir = PackageCandidate();
      dir.resize(dir.size() - 4);  // the folder of the same name, as written
      if (FFs->DirectoryExists(dir)) packed = false;
    }
    FFirstStoredSkinTried = false;
    try {
      if (packed)
        ReloadPackedSkin();
      else
        ReloadSkin();
    } catch (const std::exception& e) {
      FSkinName = old;
      FMessages->ErrorBox(Utf8ToUtf16(e.what()));
      // A broken skin keeps the previous one; with none before it (a broken package met at start-up)
      // the first stored skin is taken, as when the named skin did not exist, rather than no skin.
      // When that very skin is what failed, trying it again would only fail again with the same box.
      if (!FHasSkin && !FFirstStoredSkinTried) FallBackToStoredSkin();
    }
    if (FActive) {
      if (!FNonAutoUpdate) BroadcastNewSkin(true);
      if (!IsLoading()) Fire(OnActivate);
    } else {
      BroadcastRemoveSkin();
      Fire(OnActivate);
    }
  }
  Fire(OnAfterChange);
  UpdateDialogSkinning();
}

void TsSkinManager::SetSkinDirectory(const std::u16string& value) {
  if (value == FSkinDirectory) return;
  FSkinDirectory = value;
  SkinData.SkinPath = GetFullSkinDirectory();
  Fire(OnSkinListChanged);
}

void TsSkinManager::SetActive(bool value) {
  // The program's own choice while stepped aside for high contrast is the last word.
  if (FSteppedAside && !FActive) FSteppedAside = false;
  if (value) {
    FActive = true;
    SetSkinName(FSkinName);
    return;
  }
  FActive = false;
  if (!IsLoading()) BroadcastRemoveSkin();
  ConstData = TConstantSkinData();
  UpdateDialogSkinning();
  Fire(OnDeactivate);
}

void TsSkinManager::SetHighContrastAware(bool value) {
  FHighContrastAware = value;
  if (value && BroadcastHook) BroadcastHook->WatchSystemSettings(*this);
  SystemSettingsChanged();
}

void TsSkinManager::SystemSettingsChanged() {
  const bool aside = FHighContrastAware && FSystem->HighContrast();
  if (aside && FActive && !FSteppedAside) {
    FSteppedAside = true;
    SetActive(false);
  } else if (!aside && FSteppedAside) {
    // Only what stepping aside switched off comes back: a manager switched off meanwhile stays off.
    FSteppedAside = false;
    SetActive(true);
  }
}

bool TsSkinManager::IsDefault() const { return GDefaultManager == this; }

void TsSkinManager::SetIsDefault(bool value) {
  // False changes nothing while there is a default manager (this one or another).
  if (!value && GDefaultManager) return;
  GDefaultManager = this;
  if (FActive)
    BroadcastNewSkin(true);
  else
    BroadcastRemoveSkin();
  UpdateDialogSkinning();
}

void TsSkinManager::SetExtendedBorders(bool value) {
  if (value == FExtendedBorders) return;
  FExtendedBorders = value;
  if (!FActive || !SkinData.Active || IsLoading()) return;
  // The shadow templates change with the borders; reload from the same source.
  ReloadFromSource();
  if (BroadcastHook) BroadcastHook->AnnounceNewSkin(*this, true);
}

void TsSkinManager::ReloadFromSource() {
  TSkinLoadingScope loading;
  try {
    if (FFs->FileExists(PackageCandidate()))
      ReloadPackedSkin();
    else
      ReloadSkin();
  } catch (const std::exception& e) {
    FMessages->ErrorBox(Utf8ToUtf16(e.what()));
  }
}

void TsSkinManager::SetHueOffset(int32_t value) {
  if (value == FHueOffset) return;
  FHueOffset = value;
  if (!FActive || IsLoading()) return;
  ReloadFromSource();
  if (!FNonAutoUpdate && BroadcastHook) BroadcastHook->RepaintForms(*this, true);
}

void TsSkinManager::SetSaturation(int32_t value) {
  if (value == FSaturation) return;
  FSaturation = value;
  if (!FActive || IsLoading()) return;
  ReloadFromSource();
  if (!FNonAutoUpdate && BroadcastHook) BroadcastHook->RepaintForms(*this, true);
}

void TsSkinManager::SetSkinningRules(uint8_t value) {
  FSkinningRules = value;
  UpdateDialogSkinning();
}

void TsSkinManager::SetCommonSections(const std::vector<std::u16string>& lines) {
  FCommonSections.clear();
  for (const std::u16string& line : lines) {
    if (!line.empty() && line[0] == u';') continue;
    std::u16string s;
    for (char16_t c : line)
      if (c != u' ') s.push_back(c);
    FCommonSections.push_back(std::move(s));
  }
}

std::u16string TsSkinManager::SkinInfo() const {
  if (!FActive || !SkinData.Active) return u"N/A";
  char buf[64];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, SkinData.Version);
  return ec == std::errc() ? Utf8ToUtf16(std::string_view(buf, static_cast<size_t>(end - buf))) : u"N/A";
}

void TsSkinManager::UpdateDialogSkinning() {
  bool on = IsDefault() && FActive && (FSkinningRules & srStdDialogs) != 0;
  if (on != FDialogSkinning) {
    FDialogSkinning = on;
    if (BroadcastHook) BroadcastHook->DialogSkinningChanged(*this, on);
  }
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (FSkinDirectory.empty()) FSkinDirectory = u"c:\\Skins";
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = u"ICOLINE";
  UpdateThirdLists();
  if (FActive && !FSkinName.empty()) BroadcastNewSkin(false);
  UpdateDialogSkinning();
  if (FActive) Fire(OnActivate);
}

// ---- Loading ----------------------------------------------------------------------------------------

std::u16string TsSkinManager::PackageCandidate() const {
  std::u16string dir = FSkinDirectory;
  if (dir.size() == 1)
    dir += u":\\";
  else if (!dir.empty() && dir.back() == u'/')
    dir.back() = u'\\';
  else if (dir.empty() || dir.back() != u'\\')
    dir += u'\\';
  return dir + FSkinName + u".vlz";
}

std::u16string TsSkinManager::GetFullSkinDirectory() const {
  const std::u16string& dir = FSkinDirectory;
  if (dir.starts_with(u"..")) {
    std::u16string parent = FFs->ProgramFolder();
    if (!parent.empty()) parent.pop_back();
    while (!parent.empty() && parent.back() != u'\\' && parent.back() != u'/') parent.pop_back();
    return parent + (dir.size() > 3 ? dir.substr(3) : std::u16string());
  }
  if (dir.starts_with(u".\\") || dir.starts_with(u"./")) return FFs->ProgramFolder() + dir.substr(2);
  if (dir.find(u':') == std::u16string::npos && dir.find(u"\\\\") == std::u16string::npos)
    return FFs->ProgramFolder() + dir;
  return dir;
}

void TsSkinManager::LoadFromDescription(const TSkinDescription& desc, TSkinImageSource& images,
                                        std::u16string skinPath, bool packed) {
  TSkinDescription merged = MergeCommonSections(desc, FCommonSections);
  const TSkinDescription& d = FCommonSections.empty() ? desc : merged;
  double version = ReadSkinVersion(d);
  CheckVersion(version);
  TSkinBuildContext ctx;
  ctx.System = FSystem;
  ctx.Manager = this;
  ctx.Decode = FDecode;
  ctx.CheckVersion = [this](double v) { CheckVersion(v); };
  ctx.AdjustColors = [this](TSkinTables& t) { AdjustSkinColors(t, FHueOffset, FSaturation); };
  TSkinTables fresh = BuildSkinTables(d, images, ctx);
  // Only a complete load replaces the skin in use.
  fresh.SkinData.SkinPath = std::move(skinPath);
  fresh.SkinData.Active = SkinData.Active;
  Tables = std::move(fresh);
  SkinIsPacked = packed;
  FHasSkin = true;
}

void TsSkinManager::ReloadPackedSkin() {
  if (!FActive) return;
  TSkinLoadingScope loading;
  std::unique_ptr<TqxSkinConvertor> reader;
  std::u16string file = PackageCandidate();
  LoadSkinPackageFile(*FFs, file, reader, true);
  if (!reader) throw ESkinError("Skin package " + Utf16ToUtf8(file) + " cannot be opened.");
  TSkinDescription d = TSkinDescription::Parse(reader->Options);
  reader->Options.clear();
  reader->Options.shrink_to_fit();
  TPackageImageSource images(*reader);
  LoadFromDescription(d, images, GetFullSkinDirectory() + u"\\", true);
}

void TsSkinManager::ReloadSkin() {
  if (!FActive) return;
  TSkinLoadingScope loading;
  std::u16string path = GetFullSkinDirectory() + u"\\" + FSkinName + u"\\";
  if (PreviewMode && !PreviewDescription.empty()) {
    TFolderImageSource images(*FFs, path);
    LoadFromDescription(TSkinDescription::ParseText(PreviewDescription), images, path, false);
    return;
  }
  if (FFs->FileExists(path + u"Options.dat")) {
    auto bytes = FFs->ReadFile(path + u"Options.dat");
    if (!bytes) throw ESkinError("The file " + Utf16ToUtf8(path) + "Options.dat cannot be read.");
    TFolderImageSource images(*FFs, path);
    LoadFromDescription(TSkinDescription::Parse(*bytes), images, path, false);
    return;
  }
  if (InternalSkins.empty()) {
    FActive = false;
    return;
  }
  const TsStoredSkin* item = nullptr;
  for (const TsStoredSkin& s : InternalSkins)
    if (s.Name == FSkinName) {
      item = &s;
      break;
    }
  if (!item) {
    item = &InternalSkins.front();
    FSkinName = item->Name;
  }
  LoadStoredSkin(*item);
}

void TsSkinManager::LoadStoredSkin(const TsStoredSkin& item) {
  if (!InternalSkins.empty() && &item == &InternalSkins.front()) FFirstStoredSkinTried = true;
  if (item.Data.empty())
    throw ESkinError("The stored skin \"" + Utf16ToUtf8(item.Name) + "\" holds no skin package.");
  TqxSkinConvertor reader;
  reader.BorrowPackedData(item.Data);
  UnpackSkinPackage(reader);
  reader.PackedData = {};
  TSkinDescription d = TSkinDescription::Parse(reader.Options);
  TPackageImageSource images(reader);
  LoadFromDescription(d, images, u"", true);
}

void TsSkinManager::FallBackToStoredSkin() {
  if (InternalSkins.empty()) return;
  const std::u16string old = FSkinName;
  FSkinName = InternalSkins.front().Name;
  try {
    LoadStoredSkin(InternalSkins.front());
  } catch (const std::exception& e) {
    FSkinName = old;
    FMessages->ErrorBox(Utf8ToUtf16(e.what()));
  }
}

void TsSkinManager::CheckVersion(double version) {
  if (version > 8.99) {
    bool had = (FSkinningRules & srStdDialogs) != 0;
    FSkinningRules = static_cast<uint8_t>(FSkinningRules & ~srStdDialogs);
    FMessages->WarningBox(
        u"This version of the skin have not complete support by used Tarnwick package release.\r\n"
        u"Components must be updated up to latest version for using this skin.");
    if (had) FSkinningRules = static_cast<uint8_t>(FSkinningRules | srStdDialogs);
  } else if (version < 7) {
    bool test = false;
    for (const std::u16string& a : FSystem->CommandLineArgs())
      if (ToLowerAscii(a) == u"/qxtest") test = true;
    if (test)
      FMessages->InfoBox(u"You are using an old version of the \"" + FSkinName +
                         u"\" skin. Please, update a skins to latest or link with the Tarnwick support for "
                         u"upgrading of existing skin.\r\n\r\n"
                         u"This notification occurs in design-time only for your information and will not "
                         u"occur in real-time.");
  }
}

// ---- Announcements ----------------------------------------------------------------------------------

void TsSkinManager::BroadcastNewSkin(bool repaint) {
  if (IsLoading()) return;
  SkinData.Active = false;
  Tables.ResolveConstData();
  if (BroadcastHook) BroadcastHook->AnnounceNewSkin(*this, repaint);
  SkinData.Active = true;
}

void TsSkinManager::BroadcastRemoveSkin() {
  SkinRemoving = true;
  SkinData.Active = false;
  if (BroadcastHook) BroadcastHook->AnnounceRemoveSkin(*this);
  std::u16string path = SkinData.SkinPath;
  Tables.Clear();
  FHasSkin = false;
  SkinData.SkinPath = path;
  SkinRemoving = false;
}

void TsSkinManager::UpdateSkin(bool repaint) {
  if (FActive) BroadcastNewSkin(repaint);
}

void TsSkinManager::EndUpdate(bool repaint, bool allowAnimation) {
  FNonAutoUpdate = false;
  bool was = AnimEffects.SkinChanging.Active;
  if (!allowAnimation) AnimEffects.SkinChanging.Active = false;
  UpdateSkin(repaint);
  AnimEffects.SkinChanging.Active = was;
}

// ---- Names ------------------------------------------------------------------------------------------

void TsSkinManager::GetExternalSkinNames(std::vector<std::u16string>& list, TqxSkinTypes type,
                                         std::u16string* first) const {
  list.clear();
  std::u16string firstName;
  std::u16string dir = GetFullSkinDirectory();
  if (FFs->DirectoryExists(dir)) {
    std::u16string base = dir;
    if (base.empty() || (base.back() != u'\\' && base.back() != u'/')) base += u'\\';
    for (const TSkinDirEntry& e : FFs->ListDirectory(dir)) {
      if (e.Name.empty() || e.Name[0] == u'.') continue;
      std::u16string name;
      if (e.IsDirectory) {
        if (type != stPacked && FFs->FileExists(base + e.Name + u"\\Options.dat")) name = e.Name;
      } else if (type != stUnpacked) {
        size_t dot = e.Name.rfind(u'.');
        if (dot != std::u16string::npos && e.Name.substr(dot) == u".vlz") name = e.Name.substr(0, e.Name.find(u'.'));
      }
      if (name.empty()) continue;
      if (list.empty() && firstName.empty()) firstName = name;
      list.push_back(std::move(name));
    }
  }
  std::stable_sort(list.begin(), list.end(), [](const std::u16string& a, const std::u16string& b) {
    return ToLowerAscii(a) < ToLowerAscii(b);
  });
  if (first) *first = firstName;
}

void TsSkinManager::GetSkinNames(std::vector<std::u16string>& list, TqxSkinTypes type, std::u16string* first) const {
  std::u16string externalFirst;
  GetExternalSkinNames(list, type, &externalFirst);
  for (auto it = InternalSkins.rbegin(); it != InternalSkins.rend(); ++it) list.insert(list.begin(), it->Name);
  std::u16string firstName = InternalSkins.empty() ? externalFirst : InternalSkins.front().Name;
  std::stable_sort(list.begin(), list.end(), [](const std::u16string& a, const std::u16string& b) {
    return ToLowerAscii(a) < ToLowerAscii(b);
  });
  if (first) *first = firstName;
}

std::u16string TsSkinManager::GetRandomSkin() const {
  std::vector<std::u16string> names;
  GetSkinNames(names, stAllSkins);
  if (names.empty()) return u"";
  static std::minstd_rand random;
  random.seed(FSystem->TickCount());
  std::uniform_int_distribution<size_t> pick(0, names.size() - 1);
  return names[pick(random)];
}

// ---- Export -----------------------------------------------------------------------------------------

void TsSkinManager::ExtractInternalSkin(const std::u16string& nameOfSkin, const std::u16string& destDir) {
  bool found = false;
  for (size_t i = 0; i < InternalSkins.size(); ++i) {
    if (InternalSkins[i].Name != nameOfSkin) continue;
    found = true;
    if (FFs->DirectoryExists(destDir))
      ExtractByIndex(static_cast<int>(i), destDir);
    else
      FMessages->ErrorBox(u"Directory does not exists.");
  }
  if (!found) FMessages->ErrorBox(u"Skin does not exists.");
}

void TsSkinManager::ExtractByIndex(int index, const std::u16string& destDir) {
  if (index < 0 || static_cast<size_t>(index) >= InternalSkins.size()) return;
  std::u16string dir = destDir;
  if (dir.empty() || dir.back() != u'\\') dir += u'\\';
  if (!FFs->DirectoryExists(dir) && !FFs->ForceDirectories(dir)) {
    FMessages->ErrorBox(u"Directory " + dir + u" creation error.");
    return;
  }
  const TsStoredSkin& s = InternalSkins[static_cast<size_t>(index)];
  if (s.Data.empty()) return;
  std::u16string file = dir + s.Name + u" extracted.vlz";
  if (!FFs->WriteFile(file, s.Data)) FMessages->ErrorBox(u"File " + file + u" cannot be written.");
}

// ---- Lookups and colours ----------------------------------------------------------------------------

void TsSkinManager::GetSkinSections(std::vector<std::u16string>& list) const {
  list.clear();
  if (!FActive) return;
  for (const TsGeneralData& g : gd) list.push_back(g.ClassName);
}

uint32_t TsSkinManager::GetGlobalColor() const {
  int i = ConstData.IndexGLobalInfo >= 0 ? ConstData.IndexGLobalInfo : GetSkinIndex(u"GLOBALINFO");
  return i >= 0 ? ColorToRGB(gd[static_cast<size_t>(i)].Color(), *FSystem) : FSystem->SysColor(COLOR_BTNFACE_INDEX);
}

uint32_t TsSkinManager::GetGlobalFontColor() const {
  int i = ConstData.IndexGLobalInfo >= 0 ? ConstData.IndexGLobalInfo : GetSkinIndex(u"GLOBALINFO");
  return i >= 0 ? ColorToRGB(gd[static_cast<size_t>(i)].FontColor().Color, *FSystem) : 0xFF00FFu;
}

int32_t TsSkinManager::GetActiveEditColor() const {
  int i = GetSkinIndex(u"GLOBALINFO");
  return i >= 0 ? gd[static_cast<size_t>(i)].HotColor() : SysColorConst(COLOR_WINDOW_INDEX);
}

int32_t TsSkinManager::GetActiveEditFontColor() const {
  int i = GetSkinIndex(u"EDIT");
  return i >= 0 ? gd[static_cast<size_t>(i)].Props[0].FontColor.Color : SysColorConst(COLOR_WINDOWTEXT_INDEX);
}

int32_t TsSkinManager::GetHighLightColor(bool focused) const {
  int s = GetSkinIndex(u"SELECTION");
  if (s >= 0) {
    const TsGeneralData& g = gd[static_cast<size_t>(s)];
    int32_t c = focused && g.States > 1 ? g.HotColor() : g.Color();
    if (c != -1 && c != 0xFF00FF) return c;
  }
  int m = GetSkinIndex(u"MENUITEM");
  if (m >= 0) {
    int32_t c = gd[static_cast<size_t>(m)].HotColor();
    if (c != 0xFF00FF && c != 0xFFFFFF && c != -1) return c;
  }
  return SysColorConst(COLOR_HIGHLIGHT_INDEX);
}

int32_t TsSkinManager::GetHighLightFontColor(bool focused) const {
  int s = GetSkinIndex(u"SELECTION");
  if (s >= 0) {
    const TsGeneralData& g = gd[static_cast<size_t>(s)];
    int32_t c = focused && g.States > 1 ? g.HotFontColor().Color : g.FontColor().Color;
    if (c != -1 && c != 0xFF00FF) return c;
  }
  int m = GetSkinIndex(u"MENUITEM");
  if (m >= 0) {
    int32_t c = gd[static_cast<size_t>(m)].HotFontColor().Color;
    if (c != -1 && c != 0xFF00FF) return c;
  }
  return SysColorConst(COLOR_HIGHLIGHTTEXT_INDEX);
}

}  // namespace qw
