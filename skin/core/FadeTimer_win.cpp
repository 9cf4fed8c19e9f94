#include "skin/core/FadeTimer_win.h"

#include <windows.h>

#include "fw/Application.h"
#include "fw/DeferredRelease.h"
#include "fw/WinControl.h"
#include "image/BitmapBlend.h"
#include "image/BitmapDC_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinCommandSend_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

constexpr unsigned kFadeInterval = 10;  // milliseconds between frames
int GLiveTimers = 0;

const TsGeneralData* SectionOf(const TsCommonData& data) {
  const TsSkinManager* m = data.EffectiveManager();
  return m && m->IsValidSkinIndex(data.SkinIndex()) ? &m->gd[static_cast<size_t>(data.SkinIndex())] : nullptr;
}

bool OwnerGone(const TsCommonData* data) {
  return !data || !data->OwnerControl() || data->OwnerControl()->IsDestroying();
}

LRESULT TellControl(TsCommonData& data, TSkinCommand code, LPARAM lParam = 0, uint16_t flag = 0) {
  TControl* c = data.OwnerControl();
  return c ? PerformSkinCommand(*c, code, lParam, flag) : 0;
}

}  // namespace

int LiveFadeTimers() { return GLiveTimers; }

bool FadeEventAllowed(TqxAnimatEvent event, TqxAnimatEvents controlEvents, const TsSkinManager* manager) {
  if (controlEvents & (1u << event)) return true;
  if (!(controlEvents & (1u << aeGlobalDef))) return false;
  return manager && (manager->AnimEffects.ButtonEvents & (1u << event)) != 0;
}

// ---- TsFadeTimer ---------------------------------------------------------------------------------------

TsFadeTimer::TsFadeTimer(TsCommonData& ownerData) : FOwnerData(&ownerData) {
  ++GLiveTimers;
  SetEnabled(false);
  SetInterval(kFadeInterval);
  SetOnTimer([this](TComponent*) { Tick(); });
}

TsFadeTimer::~TsFadeTimer() { --GLiveTimers; }

void TsFadeTimer::SetFadeDirection(TFadeDirection direction) {
  FDirection = direction;
  if (FadeLevel < 0) FadeLevel = 1;
  SetEnabled(direction != TFadeDirection::fdNone);
}

void TsFadeTimer::BindFadeOwner(TsCommonData& ownerData) {
  FOwnerData = &ownerData;
  TBitmap32* cache = ownerData.CacheBmp();
  if (ownerData.BGChanged && (!cache || cache->Empty())) TellControl(ownerData, skcPrepareCache);
  cache = ownerData.CacheBmp();
  // A new old look replaces (and frees) the previous one.
  BmpFrom = cache ? cache->Clone() : TBitmap32();
  SetInterval(kFadeInterval);
}

bool TsFadeTimer::ToEnd() {
  if (OwnerGone(FOwnerData) || Application().Terminated()) {
    FDirection = TFadeDirection::fdNone;
    return false;
  }
  if (!FadeFinished(FadeLevel, Iterations)) return false;
  TellControl(*FOwnerData, skcStopFading);
  return true;
}

void TsFadeTimer::Tick() {
  if (!FOwnerData || IsDestroying() || ToEnd() || FadingOff) return;
  if (FDirection != TFadeDirection::fdNone) Change();
}

void TsFadeTimer::Change() {
  if (OwnerGone(FOwnerData) || Iterations == 0 || FadingOff) return;
  TControl* control = FOwnerData->OwnerControl();
  if (!control->Enabled()) {
    SetEnabled(false);
    Iterations = 0;
    FOwnerData->Invalidate(false);
    return;
  }
  // The frame counter moves on whatever happens while the frame is made or shown.
  struct TAdvance {
    int& Level;
    ~TAdvance() { ++Level; }
  } advance{FadeLevel};
  const TBitmap32* cache = FOwnerData->CacheBmp();
  if (!cache) return;
  TBitmap32 frame = BmpFrom.Clone();
  BlendTwoBitmaps(frame, *cache, FadeOldShare(FadeLevel, Iterations));
  if (TellControl(*FOwnerData, skcFadeFrame, reinterpret_cast<LPARAM>(&frame)) != 0) return;
  auto* w = dynamic_cast<TWinControl*>(control);
  if (!w || !w->HandleAllocated()) return;
  HDC dc = GetWindowDC(w->Handle());
  if (!dc) return;
  const int saved = SaveDC(dc);
  CopyBitmapToDC(dc, frame, TRect{0, 0, frame.Width(), frame.Height()}, TPoint{});
  RestoreDC(dc, saved);
  ReleaseDC(w->Handle(), dc);
}

// ---- Starting and stopping -----------------------------------------------------------------------------

void PrepareFade(TFadeSlot& slot, TsCommonData& data, bool fast) {
  const TsGeneralData* g = SectionOf(data);
  if (!g || !g->FadingEnabled) return;
  const bool running = slot != nullptr;
  if (!running) slot = std::make_unique<TsFadeTimer>(data);
  const TFadeStart plan = PlanFade(g->FadingIterations, running, slot->Direction(), fast);
  slot->BindFadeOwner(data);
  slot->Iterations = plan.Iterations;
  slot->FadeLevel = plan.FadeLevel;
  // The cache now shows the new look; the frames blend towards it.
  TellControl(data, skcPrepareCache);
  slot->SetFadeDirection(TFadeDirection::fdUp);
}

void StartFade(TFadeSlot& slot, TsCommonData& data, bool fast, bool eventAllowed) {
  if (!data.Skinned()) return;
  const TsGeneralData* g = SectionOf(data);
  const TBitmap32* cache = data.CacheBmp();
  const bool canFade = eventAllowed && !SkinLoading && !AnimationRunning && g && g->FadingEnabled && !FadingOff &&
                       cache && !cache->Empty() && !data.BGChanged;
  data.BGChanged = true;
  if (canFade) {
    PrepareFade(slot, data, fast);
  } else {
    StopFade(slot);
    data.Invalidate(true);
  }
  // The glow follows the new look (it goes while the button is held or the mouse has left).
  data.ShowGlow(fast);
}

void StopFade(TFadeSlot& slot) {
  if (!slot || slot->IsDestroying()) return;
  slot->SetEnabled(false);
  slot->SetFadeDirection(TFadeDirection::fdNone);
  // The slot may be emptied from inside this timer's own tick: free it once that has returned.
  ReleaseLater(std::move(slot));
}

// ---- TsAnimTimer ----------------------------------------------------------------------------------------

TsAnimTimer::TsAnimTimer(TsCommonData* ownerData) : FOwnerData(ownerData) {
  ++GLiveTimers;
  SetEnabled(false);
  SetInterval(kFadeInterval);
  SetOnTimer([this](TComponent*) { Tick(); });
}

TsAnimTimer::~TsAnimTimer() { --GLiveTimers; }

void TsAnimTimer::BindFadeOwner(TsCommonData& ownerData) {
  FOwnerData = &ownerData;
  SetInterval(kFadeInterval);
  const TsGeneralData* g = SectionOf(ownerData);
  Iterations = g ? g->FadingIterations : 0;
}

bool TsAnimTimer::ToEnd() {
  if (IsDestroying()) return true;
  if (OwnerGone(FOwnerData) || Application().Terminated()) return false;
  if (!FadeFinished(FadeLevel, Iterations)) return false;
  TellControl(*FOwnerData, skcStopFading);
  return true;
}

void TsAnimTimer::Tick() {
  if (IsDestroying() || ToEnd()) return;
  DoFade();
}

void TsAnimTimer::DoFade() {
  if (FadeInProcess || OwnerGone(FOwnerData) || Iterations == 0 || FadeLevel < 0 || !FOwnerData->CacheBmp()) {
    ++FadeLevel;
    return;
  }
  FadeInProcess = true;
  struct TDone {
    TsAnimTimer& T;
    ~TDone() {
      ++T.FadeLevel;
      T.FadeInProcess = false;
    }
  } done{*this};
  TmpBmp = BmpFrom.Clone();
  BlendTwoBitmaps(TmpBmp, *FOwnerData->CacheBmp(), FadeOldShare(FadeLevel, Iterations));
  TellControl(*FOwnerData, skcSetUpdating, 0, 0);
  TellControl(*FOwnerData, skcAnimRepaint);
}

// ---- TqxThreadedTimer -------------------------------------------------------------------------------------

TqxThreadedTimer::TqxThreadedTimer() {
  if (Application().Terminated()) return;  // no timer while the program ends: it never fires
  FEnabled = true;
  FInterval = 1000;
  FTimerThread = std::make_unique<TTimer>();
  FTimerThread->SetEnabled(false);
  FTimerThread->SetInterval(FInterval);
  FTimerThread->SetOnTimer([this](TComponent*) { Tick(); });
  UpdateTimer();
}

std::unique_ptr<TqxThreadedTimer> TqxThreadedTimer::CreateOwned(TComponent* owner, bool changeEvent) {
  auto timer = std::make_unique<TqxThreadedTimer>();
  timer->SetEnabled(false);
  timer->FOwner = owner;
  if (changeEvent) {
    TqxThreadedTimer* raw = timer.get();
    timer->SetOnTimer([raw](TComponent*) { raw->TimeHandler(); });
  }
  return timer;
}

TqxThreadedTimer::~TqxThreadedTimer() {
  if (FTimerThread) FTimerThread->SetEnabled(false);
}

void TqxThreadedTimer::SetEnabled(bool value) {
  FEnabled = value;
  UpdateTimer();
}

void TqxThreadedTimer::SetInterval(unsigned value) {
  FInterval = value;
  if (FTimerThread) FTimerThread->SetInterval(value);
  UpdateTimer();
}

void TqxThreadedTimer::SetOnTimer(TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TqxThreadedTimer::SetThreadPriority(int value) {
  FThreadPriority = value;
  UpdateTimer();
}

void TqxThreadedTimer::UpdateTimer() {
  if (!FTimerThread) return;
  // Off and on again: any change restarts the interval.
  FTimerThread->SetEnabled(false);
  FTimerThread->SetEnabled(FInterval != 0 && FEnabled && FOnTimer != nullptr);
}

void TqxThreadedTimer::Reset() {
  if (!FTimerThread) return;
  // Reset may run inside the inner timer's own tick: the old timer is freed afterwards.
  FTimerThread->SetEnabled(false);
  ReleaseLater(std::move(FTimerThread));
  FTimerThread = std::make_unique<TTimer>();
  FTimerThread->SetEnabled(false);
  FTimerThread->SetInterval(FInterval);
  FTimerThread->SetOnTimer([this](TComponent*) { Tick(); });
  UpdateTimer();
}

void TqxThreadedTimer::Tick() {
  if (!FTimerThread || !FTimerThread->Enabled() || Executing) return;
  Executing = true;
  // The guard is cleared whatever the handler does, so an error never silences later ticks.
  struct TClear {
    bool& Flag;
    ~TClear() { Flag = false; }
  } clear{Executing};
  Timer();
}

void TqxThreadedTimer::Timer() {
  if (FOnTimer) FOnTimer(this);
}

}  // namespace qw
