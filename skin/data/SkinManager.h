#pragma once
// TsSkinManager: owns the active skin, chooses it by name (a package or folder in the skin directory,
// or a skin stored in the program), loads it into its tables and tells the windows about it.
//
// A load builds the new tables aside and swaps them in only when it succeeded, so a broken skin leaves
// the previous one (tables and name) in place; the error text goes to the engine's error box. With no
// skin in place yet (start-up), the first stored skin is taken instead.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Component.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinTables.h"

namespace qw {

class TSkinFileSystem;
class TSkinMessages;
class TSkinSystem;

// True while any manager is loading a skin; controls skip painting while it is set.
extern bool SkinLoading;

// A skin stored in the program: its name and the complete package bytes ("Data").
struct TsStoredSkin {
  TsStoredSkin() = default;
  TsStoredSkin(std::u16string name, std::vector<uint8_t> data) : Name(std::move(name)), Data(std::move(data)) {}
  std::u16string Name;
  std::vector<uint8_t> Data;
  int32_t Shadow1Color = 0, Shadow1Offset = 0, Shadow1Blur = -1, Shadow1Transparency = 0;
  int32_t BorderColor = 0xFF00FF;
  double Version = 0;
  std::u16string Author, Description;
};

enum TqxSkinTypes { stUnpacked = 0, stPacked = 1, stAllSkins = 2 };

enum TqxSkinningRule : uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };

enum TqxAnimType { atFading = 0, atAero = 1 };
struct TqxAnimEffect {
  bool Active = true;
  int Time = 0;
  TqxAnimType Mode = atAero;
};
struct TqxAnimEffects {
  TqxAnimEffect FormShow, FormHide, DialogShow, DialogHide, PageChange;
  TqxAnimEffect Minimizing{true, 200, atAero};
  TqxAnimEffect SkinChanging{true, 100, atFading};
  TqxAnimEffect BlendOnMoving{false, 1000, atAero};
  int BlendValue = 170;
  uint8_t ButtonEvents = 0x0F;  // beMouseEnter, beMouseLeave, beMouseDown, beMouseUp
};
// The popup menus' settings. The font of the extra line is kept as its description, portable; the menus
// make the font from it.
struct TqxMenuFont {
  std::u16string Name = u"Tahoma";
  int32_t Height = -11;
  int32_t Color = 0;
  uint32_t Style = 0;  // the framework's font style bits
};
struct TqxMenuSupport {
  std::u16string IcoLineSkin;  // the section of the icon column ("ICOLINE" when empty after loading)
  bool UseExtraLine = false;   // a vertical strip down the left of the skin submenu
  int32_t ExtraLineWidth = 32;
  TqxMenuFont ExtraLineFont;
  uint8_t AlphaBlend = 255;    // below 255 the menus are translucent
};

struct TqxSkinEffects {
  bool AllowGlowing = true;
  bool AllowAeroBluring = true;
};

// The announcement of skin changes to the windows. The window layer fills it in; without it a manager
// only keeps its own flags right.
class TsSkinBroadcastHook {
 public:
  virtual ~TsSkinBroadcastHook() = default;
  // Sends skcNewSkin (and with Repaint the full refresh) to every window.
  virtual void AnnounceNewSkin(TsSkinManager& manager, bool repaint) = 0;
  // Sends skcRemoveSkin to every window.
  virtual void AnnounceRemoveSkin(TsSkinManager& manager) = 0;
  // Takes the pictures of the skinned forms for the change animation, before a load.
  virtual void PrepareSkinChangeAnimation(TsSkinManager&) {}
  // The full refresh of every window (RepaintForms), after a recolouring.
  virtual void RepaintForms(TsSkinManager&, bool /*lockForms*/) {}
  // The dialog-skinning flag changed (system dialogs skinned or not).
  virtual void DialogSkinningChanged(TsSkinManager&, bool) {}
  // The manager follows the system's settings (high contrast) from now on: the window layer hears their
  // changes for it and calls SystemSettingsChanged.
  virtual void WatchSystemSettings(TsSkinManager&) {}
};

// The services a manager uses; null members mean the system's own.
struct TSkinServices {
  TSkinFileSystem* FileSystem = nullptr;
  TSkinMessages* Messages = nullptr;
  TSkinSystem* System = nullptr;
  TSkinImageDecoder Decode = &DecodeSkinImage;
};

// The standard control classes the frame component wraps, one list per category (ThirdParty).
inline constexpr int kThirdPartyCount = 21;
extern const char16_t* const kThirdPartyNames[kThirdPartyCount];  // "ThirdEdits", "ThirdButtons", ...
using TThirdPartyLists = std::array<std::vector<std::u16string>, kThirdPartyCount>;

class TsSkinManager : public TComponent {
 public:
  explicit TsSkinManager(TSkinServices services = {});
  ~TsSkinManager() override;
  const char* ClassName() const override { return "TsSkinManager"; }
  TsSkinManager(const TsSkinManager&) = delete;
  TsSkinManager& operator=(const TsSkinManager&) = delete;

  // ---- The loaded skin (swapped as a whole on every successful load) ----
  TSkinTables Tables;
  TsSkinData& SkinData = Tables.SkinData;
  TsGeneralDataArray& gd = Tables.gd;
  TsMaskArray& ma = Tables.ma;
  TsPatternArray& pa = Tables.pa;
  TBitmap32& MasterBitmap = Tables.MasterBitmap;
  TConstantSkinData& ConstData = Tables.ConstData;

  // ---- Published properties ----
  TqxSkinEffects Effects;
  TqxAnimEffects AnimEffects;
  bool SkinnedPopups = true;
  std::vector<TsStoredSkin> InternalSkins;
  TqxMenuSupport MenuSupport;
  // ThirdParty: class names per category, as stored; empty lists get their defaults (see ThirdLists).
  TThirdPartyLists ThirdParty;

  const std::u16string& SkinName() const { return FSkinName; }
  void SetSkinName(const std::u16string& value);
  const std::u16string& SkinDirectory() const { return FSkinDirectory; }
  void SetSkinDirectory(const std::u16string& value);
  bool Active() const { return FActive; }
  void SetActive(bool value);
  bool IsDefault() const;
  void SetIsDefault(bool value);
  // Colour adjustment of every loaded skin; a new value reloads the skin (values never accumulate).
  int32_t HueOffset() const { return FHueOffset; }
  void SetHueOffset(int32_t value);
  int32_t Saturation() const { return FSaturation; }
  void SetSaturation(int32_t value);
  // With HighContrastAware the manager steps aside while the system asks for high contrast, as the
  // system's own theming does: it switches itself off (the windows take the system's look and colours)
  // and on again when high contrast ends. Off by default: a program whose look its stored form fixes
  // keeps its skin. Switched on, it has the broadcast hook watch the system's settings.
  bool HighContrastAware() const { return FHighContrastAware; }
  void SetHighContrastAware(bool value);
  // The system's settings changed (WM_SETTINGCHANGE): steps aside or comes back.
  void SystemSettingsChanged();
  // Switched off for high contrast (and switched on again when it ends).
  bool SteppedAside() const { return FSteppedAside; }
  bool ExtendedBorders() const { return FExtendedBorders; }
  void SetExtendedBorders(bool value);
  uint8_t SkinningRules() const { return FSkinningRules; }
  void SetSkinningRules(uint8_t value);
  // Extra description lines merged after each load; lines not starting with ";" lose their blanks.
  const std::vector<std::u16string>& CommonSections() const { return FCommonSections; }
  void SetCommonSections(const std::vector<std::u16string>& lines);
  // The loaded skin's version ("8", "7.67"), or "N/A" without an active skin.
  std::u16string SkinInfo() const;
  // The engine's version.
  static std::u16string Version() { return u"8.10"; }

  std::function<void()> OnActivate, OnAfterChange, OnBeforeChange, OnDeactivate, OnSkinListChanged;
  // A system dialog (by its window handle) is about to be skinned; AllowSkinning (preset true) false
  // leaves it with the system's look.
  std::function<void(uint32_t windowHandle, bool& allowSkinning)> OnSysDlgInit;

  // ---- Component life ----
  // While the window description is read (csLoading): loads happen, announcements wait for Loaded.
  void Loaded() override;
  bool Loading() const { return IsLoading(); }
  // The ThirdParty lists in effect: each empty category filled with its default (" ", and "TButton"
  // for ThirdButtons), one class name per entry; compared case-sensitively.
  const TThirdPartyLists& ThirdLists() const { return FThirdLists; }

  // ---- Operations ----
  void ReloadSkin();
  void ReloadPackedSkin();
  std::u16string GetFullSkinDirectory() const;
  // The package file a SkinName write looks for first: the skin directory as written (relative to the
  // current directory when relative), the name and ".vlz".
  std::u16string PackageCandidate() const;
  void GetSkinNames(std::vector<std::u16string>& list, TqxSkinTypes type, std::u16string* first = nullptr) const;
  void GetExternalSkinNames(std::vector<std::u16string>& list, TqxSkinTypes type, std::u16string* first = nullptr) const;
  std::u16string GetRandomSkin() const;
  void CheckVersion(double version);
  void ExtractInternalSkin(const std::u16string& nameOfSkin, const std::u16string& destDir);
  void ExtractByIndex(int index, const std::u16string& destDir);
  void UpdateSkin(bool repaint);
  void BeginUpdate() { FNonAutoUpdate = true; }
  void EndUpdate(bool repaint, bool allowAnimation);
  void BroadcastNewSkin(bool repaint);
  void BroadcastRemoveSkin();

  // ---- Lookups (Tables' with the manager's guards) ----
  void GetSkinSections(std::vector<std::u16string>& list) const;
  int GetSkinIndex(std::u16string_view s) const { return Tables.GetSkinIndex(s); }
  int GetMaskIndex(int i, std::u16string_view s, std::u16string_view m) const { return Tables.GetMaskIndex(i, s, m); }
  int GetMaskIndex(std::u16string_view s, std::u16string_view m) const { return Tables.GetMaskIndex(s, m); }
  int GetTextureIndex(int i, std::u16string_view s, std::u16string_view k) const { return Tables.GetTextureIndex(i, s, k); }
  int GetPatternIndex(int i, std::u16string_view s, std::u16string_view p) const { return Tables.GetPatternIndex(i, s, p); }
  bool IsValidSkinIndex(int i) const { return Tables.IsValidSkinIndex(i); }
  bool IsValidImgIndex(int i) const { return Tables.IsValidImgIndex(i); }
  int MaskWidthLeft(int i) const { return Tables.MaskWidthLeft(i); }
  int MaskWidthTop(int i) const { return Tables.MaskWidthTop(i); }
  int MaskWidthRight(int i) const { return Tables.MaskWidthRight(i); }
  int MaskWidthBottom(int i) const { return Tables.MaskWidthBottom(i); }
  // GLOBALINFO's colour (converted), or the system button face.
  uint32_t GetGlobalColor() const;
  // GLOBALINFO's font colour (converted), or 0xFF00FF.
  uint32_t GetGlobalFontColor() const;
  // Colours for edits, lists and menus: RGB values or system colours (0xFF0000nn).
  int32_t GetActiveEditColor() const;
  int32_t GetActiveEditFontColor() const;
  int32_t GetHighLightColor(bool focused) const;
  int32_t GetHighLightFontColor(bool focused) const;

  // ---- State ----
  bool SkinIsPacked = false;
  bool NonAutoUpdate() const { return FNonAutoUpdate; }
  bool SkinRemoving = false;
  // True while this manager skins system dialogs.
  bool DialogSkinning() const { return FDialogSkinning; }
  // The announcement to the windows; filled by the window layer.
  TsSkinBroadcastHook* BroadcastHook = nullptr;
  // A description handed over by the skin editor in preview mode; used before anything else.
  std::u16string PreviewDescription;
  bool PreviewMode = false;

  TSkinFileSystem& Fs() const { return *FFs; }
  TSkinMessages& Messages() const { return *FMessages; }
  TSkinSystem& System() const { return *FSystem; }

 private:
  void LoadFromDescription(const TSkinDescription& d, TSkinImageSource& images, std::u16string skinPath, bool packed);
  void UpdateDialogSkinning();
  void UpdateThirdLists();
  void LoadStoredSkin(const TsStoredSkin& item);
  void FallBackToStoredSkin();
  // Loads the active skin again from where it came from (after a change of borders or colours).
  void ReloadFromSource();
  void Fire(const std::function<void()>& f) {
    if (f) f();
  }

  TSkinFileSystem* FFs;
  TSkinMessages* FMessages;
  TSkinSystem* FSystem;
  TSkinImageDecoder FDecode;
  std::u16string FSkinName;
  std::u16string FSkinDirectory;
  std::vector<std::u16string> FCommonSections;
  int32_t FHueOffset = 0;
  int32_t FSaturation = 0;
  bool FActive = true;
  bool FExtendedBorders = false;
  bool FHighContrastAware = false;
  bool FSteppedAside = false;
  bool FNonAutoUpdate = false;
  bool FDialogSkinning = false;
  uint8_t FSkinningRules = srStdForms | srStdDialogs | srThirdParty;
  TThirdPartyLists FThirdLists;
  bool FHasSkin = false;  // tables of a loaded skin are in place
  bool FFirstStoredSkinTried = false;  // the current SkinName write has loaded (or failed) the first stored skin
};

// The manager every skinned control uses when its own is not set: the first one made in the process.
TsSkinManager* DefaultManager();

}  // namespace qw
