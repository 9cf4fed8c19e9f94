#pragma once
// What every skinned control has in common: a framework control with its skin data, which sees every
// message first (the control handles a message itself only when the skin data leaves it), is told when
// the control was read from its description, and is resolved against the control's class code.
#include <type_traits>

#include "fw/Messages.h"
#include "fw/WinControl.h"
#include "skin/core/CommonData_win.h"

namespace qw {

template <class TBase, int Coc>
class TsSkinned : public TBase {
 public:
  TsSkinned() { SkinData.COC = Coc; }
  ~TsSkinned() override {
    // The window goes while the skin data its messages reach still exists.
    if constexpr (std::is_base_of_v<TWinControl, TBase>) this->DestroyHandle();
  }

  TsCtrlSkinData SkinData{this, true};

  void WndProc(TMessage& message) override {
    if (!SkinData.CommonWndProc(message)) TBase::WndProc(message);
  }
  void Loaded() override {
    TBase::Loaded();
    SkinData.Loaded();
  }
};

}  // namespace qw
