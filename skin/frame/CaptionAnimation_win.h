#pragma once
// TqxSBAnimation: the fade of one caption button. The button's new look (or the skin's glow picture for
// it) is shown in a click-through picture window laid over the button, whose alpha rises in 12 ms
// steps towards "hot", jumps for "pressed" and falls back when the mouse leaves; the frame's picture
// itself is not touched. The owner of the caption (a form's frame component, a dialog's wrapper) owns one
// per button and frees it outside its timer's tick.
#include <windows.h>

#include <memory>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

class TsSkinManager;
class TTimer;
struct TsCaptionButton;

// Steps of a caption button's fade towards "hot" and back (a press is shown at once).
inline constexpr int kCaptionFadeSteps = 10;

// What a caption button's fade needs of the window whose caption holds the button.
class TCaptionButtonOwner {
 public:
  // The window whose caption holds the buttons (null: none now).
  virtual HWND CaptionWindow() const = 0;
  // The button of a hit code, or null.
  virtual TsCaptionButton* ButtonOf(int hitCode) = 0;
  // The manager the buttons are drawn with, or null.
  virtual const TsSkinManager* CaptionManager() const = 0;
  // The button's picture over the clean caption in a state, opaque.
  virtual TBitmap32 ButtonPicture(const TsCaptionButton& button, int state) = 0;

 protected:
  ~TCaptionButtonOwner() = default;
};

class TqxSBAnimation {
 public:
  TqxSBAnimation(TCaptionButtonOwner& owner, int hitCode);
  ~TqxSBAnimation();
  TqxSBAnimation(const TqxSBAnimation&) = delete;
  TqxSBAnimation& operator=(const TqxSBAnimation&) = delete;

  // Fades towards the state (1 hot in Steps steps, 2 pressed at once, 0 back out).
  void StartAnimation(int newState, int steps);
  // The fade window is shown (fading in, held, or fading out).
  bool Running() const { return FWindow != nullptr; }
  HWND Window() const { return FWindow; }
  // Where the window stands on the screen, and whether it shows the skin's glow picture.
  TRect Bounds() const { return FBounds; }
  bool Glowing() const { return FGlowing; }
  int CurrentState() const { return FCurrentState; }
  int CurrentLevel() const { return FCurrentLevel; }
  // Runs one tick of the timer (the timer calls it every 12 ms while it runs).
  void Tick();

 private:
  void BuildPicture(int state);
  void Show(int alpha);
  void Stop();

  TCaptionButtonOwner& FOwner;
  int FHitCode;
  int FCurrentState = -1;
  int FCurrentLevel = 0;
  int FMaxIterations = 0;
  bool FUp = false;
  bool FGlowing = false;
  TRect FBounds;
  TBitmap32 FPicture;
  HWND FWindow = nullptr;
  std::unique_ptr<TTimer> FTimer;
};

}  // namespace qw
