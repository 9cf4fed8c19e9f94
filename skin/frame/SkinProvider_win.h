#pragma once
// TsSkinProvider: the component that skins the frame of one form. It stands in front of the form's
// messages (a hook of the form's chain: one provider, one hook, taken out before either goes), paints
// the border, the caption bar with icon, text and buttons into one window-sized picture, copies the
// frame's strips of it onto the window, cuts the window's corners after the skin's mask, answers the
// hit tests of what it draws, and hands everything else to the form. The form keeps the frame sizes
// the system gives its border style; the provider only paints over them.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "base/ControlEnums.h"
#include "base/Component.h"
#include "fw/Control.h"
#include "image/Bitmap32.h"
#include "skin/core/TransitionSchedule.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/BorderFormLayout.h"
#include "skin/frame/FormCaption.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/menu/SystemMenu_win.h"

namespace qw {

class TForm;
class TPopupMenu;
class TqxCaptionAccess;
class TqxCaptionHint;
class TqxMinTimer;
class TqxMoveTimer;
class TqxCtrlAdapter;
class TqxSBAnimation;
class TsCommonData;
class TsSkinManager;
struct TBackgroundInfo;

enum class TResizeMode { rmStandard, rmBorder };
enum class TGripMode { gmNone, gmRightBottom };

// Extra text drawn after the caption.
struct TqxAddedTitle {
  std::u16string Text;
  TColor FontColor = clNone;
};

// A caption button of the program's own, left of the system ones; its hit code is 1000 + its index.
struct TsTitleButton {
  std::u16string Hint;
  bool Visible = true;
  bool Enabled = true;
  bool UseSkinData = true;
  TMouseEvent OnMouseDown, OnMouseUp;
};

// One caption button's state as painted and tracked.
struct TsCaptionButton {
  int State = 0;          // 0 normal, 1 hot, 2 pressed
  int ImageIndex = -1;    // mask index; -1 not drawn
  TRect Rect;             // window coordinates
  int HitCode = 0;
  int GlowID = -1;
  std::unique_ptr<TqxSBAnimation> Timer;
};

// What the system answers for the frame's parts.
TFrameMetrics SystemFrameMetrics();
// Skin changes of the skinned forms fade their frames from the old look to the new one (installed when
// the first frame component takes over a form).
void InstallFrameChangeAnimation();

class TsSkinProvider : public TComponent,
                       private TWindowProcHook,
                       public TCaptionButtonOwner,
                       public TBorderFormOwner {
 public:
  TsSkinProvider();
  ~TsSkinProvider() override;
  const char* ClassName() const override { return "TsSkinProvider"; }
  // The description was read: the provider takes over its owner, which must be a form.
  void Loaded() override;
  // A provider for a form that has none, made at run time (owned by the form).
  static TsSkinProvider* CreateFor(TForm& form);
  // The provider that skins a form's (a window's) frame, or null.
  static TsSkinProvider* FromForm(TForm& form);
  static TsSkinProvider* FromWindow(HWND window);

  // ---- Stored properties ----
  TAlignment CaptionAlignment = taLeftJustify;
  bool AllowAnimation = true;
  bool AllowExtBorders = true;     // the form may have a border window when its manager has extended borders
  bool AllowBlendOnMoving = true;  // the form may grow translucent while dragged
  bool DrawNonClientArea = true;
  bool DrawClientArea = true;
  bool MakeSkinMenu = false;
  bool ScreenSnap = false;
  int SnapBuffer = 10;
  bool ShowAppIcon = true;
  bool UseGlobalColor = true;
  TResizeMode ResizeMode = TResizeMode::rmStandard;
  TGripMode GripMode = TGripMode::gmNone;
  std::u16string TitleSkin;  // empty: FORMTITLE
  TqxAddedTitle AddedTitle;
  TqxSysSubMenu SysSubMenu;
  std::vector<TsTitleButton> TitleButtons;
  std::unique_ptr<TsCommonData> SkinData;  // section FORM

  // ---- State read by the program and the tests ----
  TForm* Form() const { return FForm; }
  // The frame shows the active look.
  bool FormActive() const { return FFormActive; }
  // The form had the system-menu style when the frame took it over.
  bool HaveSysMenu() const { return FHaveSysMenu; }
  // The caption as last laid out, in window coordinates.
  const TCaptionLayout& Caption() const { return FCaption.Layout; }
  TRect IconRect() const { return FCaption.Layout.Icon; }
  // The frame's measures of the window as it is now.
  TFrameGeometry Geometry() const;
  TFrameWindow WindowFacts() const;
  // The button of a hit code (8, 9, 20, 21, 1000 + i), or null.
  TsCaptionButton* ButtonOf(int hitCode) override;
  HWND CaptionWindow() const override { return Handle(); }
  const TsSkinManager* CaptionManager() const override { return Manager(); }
  // The hint window of the hot user button (null when none is shown).
  HWND HintWindow() const;
  int CurrentHT() const { return FCurrentHT; }
  // The window's frame picture (empty until the first paint).
  const TBitmap32& Cache() const;
  // The non-client paints done so far (each copies the whole frame once).
  int NonClientPaints() const { return FNonClientPaints; }
  bool Skinned() const;
  // The border window drawing the form's frame and shadow (extended borders), or null.
  TqxBorderForm* BorderForm() const { return FBorderForm.get(); }
  // Where the frame, the client area and the form's window lie in the border window.
  TBorderFormLayout BorderLayout() const override;
  // The window commands the form offers now (its system menu's items and its caption buttons).
  TSysMenuRules SysMenuRules() const;
  // The running minimise or restore animation, or null.
  TqxMinTimer* MinTimer() const { return FMinTimer.get(); }
  // A minimise or restore animation runs: the form and its border window stay invisible.
  bool MinimizeAnimating() const;
  // The form's drawing is suspended (a skin change holds it, or the form itself).
  bool DrawingLocked() const { return FLockCount > 0; }

  // ---- Operations ----
  // Sets the frame up on the form's window: system menu kept, style removed, indexes, images.
  void PrepareForm();
  // Gives the system its frame back (skin removed or provider going).
  void ReleaseForm();
  // Rebuilds the picture when stale and copies the frame's strips to the window.
  void PaintNonClient();
  // Repaints the frame now from a rebuilt picture.
  void RepaintFrame();
  // Builds the whole picture: border, caption bar, icon, text, buttons.
  void PaintAll();
  // Lays the caption out for the window's current size and state.
  void CalcItems();
  // Sets the window region from the skin's corner masks (with a border window: the client area).
  void UpdateFormRgn();
  // Makes or frees the border window as the manager, the form and its state want it now.
  void UpdateExtBorders();
  // Before a skin is loaded: keeps the border window's look for the change animation.
  void PrepareSkinChangeAnimation();
  // While the forms are locked for a skin change: the border window shows the look kept before the
  // load, without its hole, so the new frame is not seen before it fades in.
  void ShowSkinChangeCover();
  // The lock ended without the change animation: the kept look is dropped, the frame shown as it is.
  void DropSkinChangeCover();
  // The whole form as it looks now, and where its top-left lies on the screen: the border window's
  // picture with the form's client area in it, or the form's window.
  TBitmap32 AnimationPicture(TPoint& origin);
  // After a skin change, with the form's drawing suspended: the new look fades in over the old one
  // (Time 0: shown at once), then drawing is resumed and the form redrawn under it.
  void AnimateSkinChange(int timeMs, TTransitionMode mode);
  // The hit code at a screen point, and whether the frame answers it itself.
  TFrameHit HTProcess(POINT screen);
  // Opens the system menu with its top-left corner at the screen point.
  void DropSysMenu(POINT at);

  // Caption buttons.
  void SetHotHT(int hitCode, bool repaint = true);
  void SetPressedHT(int hitCode);
  void RepaintButton(int hitCode);
  void KillAnimations();
  // A click would do something now (the form's rules for the system buttons, the title button's own).
  bool ButtonEnabled(const TsCaptionButton& b) const;
  // What a click on the button does, done now: its command posted to the form (a title button's
  // handler is called with the screen point given).
  void ClickButton(int hitCode, POINT screen);
  // The button's picture over the clean caption: its state image (for fades and repaints).
  TBitmap32 ButtonPicture(const TsCaptionButton& button, int state) override;
  bool CanAnimateButtons() const;
  // Hands a message on to the form's own handling.
  void CallPrevious(TMessage& message);

 private:
  void HookedWindowProc(TControl& control, TMessage& message) override;
  void HookedControlDestroyed(TControl& control) override;
  void Attach(TForm& form);
  void Detach();
  TsSkinManager* Manager() const;
  HWND Handle() const;
  void CheckSysMenuStyle(bool skinned);
  void UpdateIconsIndexes();
  TFormState FormStateNow() const;
  void ForgetWindow();
  TRect CaptionBand(const TFrameGeometry& g) const;
  // What the border window asks of its owner.
  HWND BorderOwnerWindow() const override { return Handle(); }
  bool WantsBorderForm() const override;
  const TBitmap32& BorderPicture() const override { return Cache(); }
  bool BorderPictureStale() const override;
  void RepaintBorderPicture() override { PaintAll(); }
  bool BorderMinimizing() const override { return MinimizeAnimating(); }
  bool BorderPictureLocked() const override { return DrawingLocked(); }
  TFrameHit BorderHitTest(POINT screen) override { return HTProcess(screen); }
  void ReleaseHotButton() override;
  void OnWindowPosChanged(TMessage& message);
  bool BeginMoveBlend(int hitCode);
  bool BeginMinAnimation(UINT command);
  void OnPrint(TMessage& message, HDC dc, UINT flags);
  void OnShowWindow(TMessage& message, bool show, UINT status);
  // The form shown unseen is revealed when this timer comes (after its paints).
  static constexpr UINT_PTR kRevealTimer = 0x5152;
  void OnTimer(TMessage& message, UINT_PTR id);
  bool WantsShowTransition() const;
  // The frame's strips of the picture onto a DC of the whole window.
  void CopyFrameToDC(HDC dc, const TFrameGeometry& g, const TFrameWindow& w);
  // The border window's picture with the form's client area in its hole.
  TBitmap32 BorderSnapshot();
  void AnimateBorderChange(int timeMs);
  // The show transition of a form with a border window: the border window is the picture window.
  void ShowBorderAnimated(int timeMs);

  // The message table and its handlers.
  void OnSkinCommand(TMessage& message);
  void OnUnskinnedMessage(TMessage& message);
  void AnswerBackground(TBackgroundInfo& info);
  void OnNcPaint(TMessage& message);
  void OnNcActivate(TMessage& message, bool active);
  void OnNcHitTest(TMessage& message, POINT screen);
  void OnCaptionChange(TMessage& message);
  // The caption was laid out, painted or enabled anew: a screen reader hears what changed in it.
  void AnnounceCaption();
  void OnShowingChanged();
  void OnMouseLeave(TMessage& message);
  void OnLButtonUp(TMessage& message, POINT client);
  void OnOutlineMouse(TMessage& message, POINT client, bool released);
  void OnNcRButton(TMessage& message, int hitCode, POINT screen);
  void OnSysCommand(TMessage& message, UINT command, LPARAM lParam);
  void OnGetMinMaxInfo(TMessage& message, MINMAXINFO& info);
  void OnWindowPosChanging(TMessage& message, WINDOWPOS& pos);

  // Moving and sizing by an outline (ResizeMode rmBorder).
  bool BeginOutlineDrag(int hitCode, POINT screen);
  void MoveOutline(POINT screen);
  void EndOutlineDrag(bool apply);

  // Mouse on the caption; each answers whether the frame handled it.
  bool OnNcMouseMove(POINT screen);
  bool OnNcLButtonDown(int hitCode, POINT screen);
  bool OnButtonUp(POINT screen);
  bool OnNcLButtonDblClk(int hitCode);
  // A double click on a side of a sizeable border window's frame: stretched over the work area, or back.
  bool StretchAtBorder(int hitCode);

  // Painting pieces.
  void PaintCaptionBar(const TFrameGeometry& g);
  void PaintIcon();
  void PaintCaptionText(const TFrameGeometry& g);
  void SaveTitleBG(const TFrameGeometry& g);
  void PaintBorderIcons();
  void DrawButton(TBitmap32& bmp, const TsCaptionButton& b, TPoint at, int state);
  void CopyButtonToWindow(const TsCaptionButton& b);
  HICON FormIcon() const;

  TForm* FForm = nullptr;
  bool FAttached = false;
  bool FPrepared = false;
  bool FHaveSysMenu = false;
  bool FSysMenuHasClose = false;
  bool FFormActive = true;
  bool FRgnChanged = true;
  int FTitleSkinIndex = -1;
  TCaptionImages FImages;
  TFormCaption FCaption;
  TsCaptionButton FButtons[cbSystemCount];
  std::vector<TsCaptionButton> FUserButtons;  // one per title button
  int FCurrentHT = 0;
  bool FPressed = false;
  TBitmap32 FTempBmp;   // the clean caption behind the buttons
  int FTempLeft = 0;    // where it starts in the picture
  int FNonClientPaints = 0;
  int FLockCount = 0;
  std::unique_ptr<TqxCtrlAdapter> FAdapter;
  std::unique_ptr<TqxCaptionHint> FHint;  // of the hot user button
  std::unique_ptr<TqxBorderForm> FBorderForm;
  std::unique_ptr<TqxMoveTimer> FMoveTimer;  // while a drag blends the form
  std::unique_ptr<TqxMinTimer> FMinTimer;    // the last minimise or restore animation
  TBitmap32 FCoverBmp;  // the border window's look before a skin change
  std::unique_ptr<TqxCaptionAccess> FCaptionAccess;  // the title bar a screen reader reads
  bool FShowPending = false;  // shown invisible: the show transition reveals it
  // The form's own left and width (top and height) while a double click on its border stretches it.
  struct TNormalSpan {
    bool Stretched = false;
    int Start = 0, Size = 0;
  } FNormalX, FNormalY;
  struct {
    bool Active = false;
    int HitCode = 0;
    POINT Start{};
    RECT StartRect{}, Shown{};
  } FOutline;
};

}  // namespace qw
