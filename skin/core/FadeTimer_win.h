#pragma once
// Fades between a control's old and new look: a window-message timer per fading control that shows
// frames blended from the old picture and the control's rebuilt cache, one every 10 ms; the timer for
// windowless controls; and the component timer the form animations are built on.
#include <cstdint>
#include <memory>

#include "base/Component.h"
#include "fw/Timer.h"
#include "image/Bitmap32.h"
#include "skin/core/FadeSchedule.h"

namespace qw {

class TsCommonData;
class TsSkinManager;

// The state changes that may fade (TqxAnimatEvent); aeGlobalDef defers to the skin manager.
enum TqxAnimatEvent : uint8_t { aeMouseEnter = 0, aeMouseLeave = 1, aeMouseDown = 2, aeMouseUp = 3, aeGlobalDef = 4 };
using TqxAnimatEvents = uint8_t;  // bit (1 << event)
inline constexpr TqxAnimatEvents kDefaultAnimatEvents = 1 << aeGlobalDef;

// The fade of a windowed control.
class TsFadeTimer : public TTimer {
 public:
  explicit TsFadeTimer(TsCommonData& ownerData);
  ~TsFadeTimer() override;
  const char* ClassName() const override { return "TsFadeTimer"; }

  TFadeDirection Direction() const { return FDirection; }
  // fdNone stops the timer; fdUp and fdDown run it.
  void SetFadeDirection(TFadeDirection direction);
  // Takes the control's current cache as the old look and the section's frame count.
  void BindFadeOwner(TsCommonData& ownerData);
  // One tick: the next frame, or the end of the fade.
  void Tick();

  int Iterations = 0;
  int FadeLevel = 1;
  TBitmap32 BmpFrom;  // the look before the change

 private:
  bool ToEnd();
  void Change();
  TsCommonData* FOwnerData;
  TFadeDirection FDirection = TFadeDirection::fdNone;
};

using TFadeSlot = std::unique_ptr<TsFadeTimer>;

// True when the event fades: the control's own events, or with aeGlobalDef the manager's.
bool FadeEventAllowed(TqxAnimatEvent event, TqxAnimatEvents controlEvents, const TsSkinManager* manager);
// A change of the control's look: faded when allowed and possible (the cache shows the old look, the
// section fades, no skin change or transition runs), shown at once otherwise. Fast halves the frames.
void StartFade(TFadeSlot& slot, TsCommonData& data, bool fast, bool eventAllowed);
// Starts (or restarts) the fade in the slot.
void PrepareFade(TFadeSlot& slot, TsCommonData& data, bool fast);
// Ends a running fade; the timer is freed after the message being handled (it may be its own tick).
void StopFade(TFadeSlot& slot);
// Fade and animation timers alive now.
int LiveFadeTimers();

// The fade of a windowless control: frames go to the control, which paints them itself.
class TsAnimTimer : public TTimer {
 public:
  explicit TsAnimTimer(TsCommonData* ownerData);
  ~TsAnimTimer() override;
  const char* ClassName() const override { return "TsAnimTimer"; }
  void BindFadeOwner(TsCommonData& ownerData);
  void Tick();

  int Iterations = 0;
  int FadeLevel = 0;
  TBitmap32 BmpFrom;  // the old look
  TBitmap32 TmpBmp;   // the frame being shown

 private:
  bool ToEnd();
  void DoFade();
  TsCommonData* FOwnerData;
  bool FadeInProcess = false;
};

// A component timer with a re-entry guard; form animations derive from it and override TimeHandler.
class TqxThreadedTimer : public TComponent {
 public:
  TqxThreadedTimer();
  // Disabled, owned by Owner, and with ChangeEvent its ticks call TimeHandler.
  static std::unique_ptr<TqxThreadedTimer> CreateOwned(TComponent* owner, bool changeEvent);
  ~TqxThreadedTimer() override;
  const char* ClassName() const override { return "TqxThreadedTimer"; }

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned value);
  void SetOnTimer(TNotifyEvent handler);
  int ThreadPriority() const { return FThreadPriority; }  // kept as a property only
  void SetThreadPriority(int value);
  // Starts the interval again from now.
  void Reset();
  // What subclasses do on each tick (nothing here).
  virtual void TimeHandler() {}
  // Raises OnTimer.
  virtual void Timer();

  bool Executing = false;
  bool InHandler = false;
  TComponent* FOwner = nullptr;

 private:
  void Tick();
  void UpdateTimer();
  std::unique_ptr<TTimer> FTimerThread;
  bool FEnabled = false;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  int FThreadPriority = 3;  // tpNormal
};

}  // namespace qw
