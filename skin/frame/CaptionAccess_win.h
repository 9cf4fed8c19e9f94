#pragma once
// TqxCaptionAccess: what a screen reader reads of a skinned caption. The frame takes the system's
// caption buttons away (it paints its own), so the system's title-bar object would name none: this one
// answers the window's title-bar object instead, with the buttons the frame shows as its elements, each
// named after what it does, pressed or hot as painted, and clicked by its default action.
#include <windows.h>

#include "skin/access/AccessHost_win.h"

namespace qw {

class TsSkinProvider;

class TqxCaptionAccess final : public TAccessSource {
 public:
  explicit TqxCaptionAccess(TsSkinProvider& provider) : FProvider(provider) {}
  // WM_GETOBJECT: answers when the title bar's object is asked for.
  bool Answer(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result) {
    return FHost.Answer(window, flags, objectId, result);
  }
  // The caption may read otherwise now (its text, a button's name or state): what changed is announced.
  void AnnounceChanges(HWND window) { FHost.AnnounceChanges(window); }

  void DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>& elements) override;
  void DoAccessDefaultAction(int id) override;
  bool AccessBounds(TRect& bounds) override;

 private:
  // The hit codes of the buttons shown, from left to right (the elements' order).
  std::vector<int> ShownButtons() const;

  TsSkinProvider& FProvider;
  TAccessHost FHost{*this, OBJID_TITLEBAR};
};

}  // namespace qw
