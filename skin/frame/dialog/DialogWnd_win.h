#pragma once
// TqxDialogWnd: the wrapper that skins a system dialog the program did not build (a message box, a common
// dialog). The dialog keeps the system's frame sizes; the wrapper paints its frame, caption, caption
// buttons and background from the skin into one window-sized picture, copies the frame's strips to the
// window and the client part as its background, answers the hit tests of what it draws, and hands the
// rest to the dialog's own procedure. It is laid out and hit-tested by the frame's pure code with the
// dialog's own numbers.
#include <windows.h>

#include <memory>

#include "image/Bitmap32.h"
#include "skin/controls/WndWrapper_win.h"
#include "skin/frame/BorderForm_win.h"
#include "skin/frame/CaptionAnimation_win.h"
#include "skin/frame/FormCaption.h"
#include "skin/frame/FrameHitTest.h"
#include "skin/frame/SkinProvider_win.h"
#include "skin/frame/dialog/DialogRules.h"

namespace qw {

class TqxMoveTimer;
class TqxProvider;
class TqxSystemMenu;

// One caption button of a dialog was pressed (one mouse: one flag for every dialog wrapper).
extern bool DialogButtonPressed;
// A dialog's window region is being set: what that causes (a nested frame paint) leaves the region alone.
extern bool DialogRgnChanging;

// Asked of a dialog before its region is set: a dialog that answers the query's parameter back keeps
// the region it has.
inline constexpr UINT kDialogRgnQueryMsg = 0xBC4D;
inline constexpr WPARAM kDialogRgnKeepAnswer = 0x41A2;

class TqxDialogWnd : public TqxMainWnd, public TCaptionButtonOwner, public TBorderFormOwner {
 public:
  TqxDialogWnd(HWND wnd, TsSkinManager* manager, TqxProvider* provider);
  ~TqxDialogWnd() override;
  const char* ClassName() const override { return "TqxDialogWnd"; }

  TqxProvider* Provider;
  bool FormActive() const { return FFormActive; }
  // The dialog's own WM_PAINT is suppressed (its client area shows the skin only) until a list box,
  // which paints through it, is found among its children.
  bool WMPaintForbidden = true;
  int CurrentHT() const { return FCurrentHT; }
  const TFormCaption& CaptionLayout() const { return FCaption; }
  // The section of the caption strip: DIALOGTITLE when the skin has it and the frame is no window's, else
  // FORMTITLE.
  const std::u16string& TitleSection() const { return FTitleSection; }
  // The styles read when the skinning began, and the window's state now.
  TDialogState State() const;
  TFrameWindow WindowFacts() const;
  TFrameGeometry Geometry() const;
  const TBitmap32& Picture() const;
  // The caption strip as it was before the buttons were drawn (rebuilt with every full picture).
  const TBitmap32& TitleBG() const { return FTitleBG; }
  // The full pictures built so far.
  int PicturesBuilt() const { return FPicturesBuilt; }

  // Reads the styles, the icon and the skin's images, and takes the system's caption buttons away.
  void InitParams();
  // Builds the whole picture when stale: frame, caption strip, icon, text, buttons.
  void PaintAll();
  // Copies the frame's strips to the window (the region first, when it changed).
  void PaintCaption();
  // The hit code at a screen point, and whether the wrapper answers it itself.
  TFrameHit HTProcess(POINT screen);
  void SetHotHT(int hitCode, bool repaint = true);
  void SetPressedHT(int hitCode);
  // Shows a button's new state: faded in a window over it when the manager lets buttons glow, else
  // painted into the picture and copied to the window.
  void RepaintButton(int hitCode);
  // Stops every button's fade and takes its window away.
  void KillAnimations();
  bool CanAnimateButtons() const;
  // The caption button of a hit code (8, 9, 20, 21), or null.
  TsCaptionButton* ButtonOf(int hitCode) override;
  HWND CaptionWindow() const override { return CtrlHandle; }
  const TsSkinManager* CaptionManager() const override { return Manager(); }
  TBitmap32 ButtonPicture(const TsCaptionButton& button, int state) override;
  // Opens the skinned system menu with its top-left corner at the screen point.
  void DropSysMenu(POINT at);
  // The dialog is being dragged by its caption and blends as it goes (null: not now).
  TqxMoveTimer* MoveTimer() const { return FMoveTimer.get(); }
  // The border window drawing the frame and shadow (the manager's extended borders), or null.
  TqxBorderForm* BorderForm() const { return FBorderForm.get(); }
  // Makes or frees the border window as the manager and the dialog's state want it now.
  void UpdateExtBorders();

  // What the border window asks of its owner.
  HWND BorderOwnerWindow() const override { return Destroyed ? nullptr : CtrlHandle; }
  bool WantsBorderForm() const override;
  TBorderFormLayout BorderLayout() const override;
  const TBitmap32& BorderPicture() const override { return Picture(); }
  bool BorderPictureStale() const override;
  void RepaintBorderPicture() override { PaintAll(); }
  TFrameHit BorderHitTest(POINT screen) override { return HTProcess(screen); }
  void ReleaseHotButton() override { SetHotHT(0); }

  void qxWndProc(TMessage& message) override;

 private:
  bool ButtonEnabled(const TsCaptionButton& b) const;
  void CalcItems(const TFrameGeometry& g);
  void PaintCaptionText(const TFrameGeometry& g);
  void PaintBorderIcons();
  // The button in a state at a point of Bmp, over the clean caption.
  void DrawButton(TBitmap32& bmp, const TsCaptionButton& b, TPoint at, int state);
  void UpdateRegion(const TFrameGeometry& g, const TFrameWindow& w);
  // The caption section's border mask, or -1.
  int TitleMask() const;
  // The border window's numbers for the frame's measures when the dialog has one.
  TBorderWindowFrame BorderWindowFrame() const;
  void WrapChildren();
  HICON TitleIcon() const;
  void SysCommand(UINT command);
  // Starts the move blending when the manager asks for it: the dialog in its active look grows
  // translucent while the system's move loop runs.
  bool BeginMoveBlend();

  // The message table and its handlers.
  void OnSkinCommand(TMessage& message);
  void OnNcPaint(TMessage& message);
  void OnEraseBkgnd(TMessage& message, HDC dc);
  void OnPaint(TMessage& message);
  void OnNcActivate(TMessage& message, bool active);
  void OnNcHitTest(TMessage& message, POINT screen);
  void OnNcMouseMove(TMessage& message, POINT screen);
  void OnNcLButtonDown(TMessage& message, int hitCode, POINT screen);
  void OnButtonUp(TMessage& message, POINT screen);
  void OnNcLButtonDblClk(TMessage& message, int hitCode, POINT screen);
  void OnNcRButton(TMessage& message, int hitCode, POINT screen);
  void OnMouseLeave(TMessage& message);
  void OnCaptureChanged(TMessage& message, HWND gaining);
  void OnFrameChange(TMessage& message);
  void OnSize(TMessage& message);
  void OnCtlColorDlg(TMessage& message);
  void OnCtlColorChild(TMessage& message, HDC dc, HWND child);
  void OnShowWindow(TMessage& message, bool show);
  void OnWindowPosChanging(TMessage& message, const WINDOWPOS& pos);
  void OnWindowPosChanged(TMessage& message, const WINDOWPOS& pos);

  TDialogState FState;
  bool FStylesRead = false;
  bool FFormActive = true;
  bool FRgnChanged = true;
  bool FInitialized = false;
  bool FPressed = false;
  int FCurrentHT = 0;
  int FTitleIndex = -1;
  std::u16string FTitleSection = u"FORMTITLE";
  TFormCaption FCaption;
  TsCaptionButton FButtons[cbSystemCount];
  TBitmap32 FTitleBG;
  HBRUSH FBackBrush = nullptr;
  int FPicturesBuilt = 0;
  std::unique_ptr<TqxSystemMenu> FSystemMenu;
  std::unique_ptr<TqxMoveTimer> FMoveTimer;
  std::unique_ptr<TqxBorderForm> FBorderForm;
  HWND FShowCover = nullptr;  // the faded-in picture, over the dialog until it is drawn
  HWND FHideCover = nullptr;  // the last look, taken just before the dialog is hidden
  TBitmap32 FHidePicture;
};

}  // namespace qw
