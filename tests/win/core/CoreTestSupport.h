#pragma once
// Skinned probe controls for the core's window tests: a container that records the skin commands it
// receives and paints its cache in one colour, on a plain form, against a skin built by the test.
#include <windows.h>

#include <memory>
#include <vector>

#include "../../render/RenderTestUtil.h"
#include "fw/Application.h"
#include "fw/Form.h"
#include "fw/Panel.h"
#include "image/BitmapFill.h"
#include "skin/core/SkinnedControl.h"
#include "skin/core/FadeTimer_win.h"
#include "skin/data/SkinCommands.h"

namespace qw::test {

inline void PumpAll(int rounds = 3) {
  for (int i = 0; i < rounds; ++i) {
    Application().ProcessMessages();
    Sleep(1);
  }
}

// A skinned container (class code chosen by the test) that records skin commands, answers the cache
// preparation by filling its cache with Look, and keeps a fade slot.
template <int Coc>
class TProbe : public TsSkinned<TPanel, Coc> {
 public:
  std::vector<int> Commands;
  TColor Look = 0x000000;
  TFadeSlot Fade;
  std::vector<uint32_t> Frames;  // first pixel of each fade frame shown
  bool PaintFramesItself = true;
  int StopFadingCount = 0;

  void WndProc(TMessage& message) override {
    if (message.Msg == SkinCommandMsg) {
      const int code = SkinCommandCode(message.WParam);
      Commands.push_back(code);
      switch (code) {
        case skcPrepareCache:
          this->SkinData.InitCacheBmp();
          FillRect32(*this->SkinData.CacheBmp(), TRect{0, 0, this->Width(), this->Height()}, Look, 255);
          this->SkinData.BGChanged = false;
          message.Result = 1;
          return;
        case skcFadeFrame:
          if (auto* frame = reinterpret_cast<TBitmap32*>(message.LParam); frame && !frame->Empty())
            Frames.push_back(frame->At(0, 0) & 0x00FFFFFFu);
          message.Result = PaintFramesItself ? 1 : 0;
          return;
        case skcStopFading:
          ++StopFadingCount;
          StopFade(Fade);
          break;
        default:
          break;
      }
    }
    TsSkinned<TPanel, Coc>::WndProc(message);
  }
  int CountOf(int code) const {
    int n = 0;
    for (int c : Commands) n += c == code;
    return n;
  }
};

using TButtonProbe = TProbe<COC_TsBitBtn>;
using TPanelProbe = TProbe<COC_TsPanel>;

// A shown plain form to put probes on.
class THostForm {
 public:
  THostForm() {
    Form = std::make_unique<TForm>();
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    Form->Show();
  }
  template <class T>
  T* Add(int left, int top, int width, int height, TWinControl* parent = nullptr) {
    auto control = std::make_unique<T>();
    T* raw = control.get();
    raw->SetBounds(left, top, width, height);
    raw->SetParent(parent ? parent : Form.get());
    Owned.push_back(std::move(control));
    return raw;
  }
  ~THostForm() {
    while (!Owned.empty()) Owned.pop_back();
    Form.reset();
  }
  std::unique_ptr<TForm> Form;
  std::vector<std::unique_ptr<TControl>> Owned;
};

}  // namespace qw::test
