#pragma once
// TAccessHost: the accessible object of one window, made on the first WM_GETOBJECT that asks for the
// client and kept for the window's life. The system's standard object of the window answers parent,
// location and navigation; the source (the control) answers everything else. When the host goes the
// object is cut off from the control: clients that still hold it get CO_E_OBJNOTCONNECTED.
#include <windows.h>

#include "skin/access/AccessSource.h"

namespace qw {

class TqxAccessible;

// Posted to the window by the object's default action; WParam carries the element id. The action runs
// from the message loop so that a client's call never waits for a message box it opened.
inline constexpr UINT FW_ACCESS_ACTION = 0xB0F0;

class TAccessHost {
 public:
  explicit TAccessHost(TAccessSource& source) : FSource(source) {}
  ~TAccessHost();
  TAccessHost(const TAccessHost&) = delete;
  TAccessHost& operator=(const TAccessHost&) = delete;

  // WM_GETOBJECT: true with Result set when the client object of Window was asked for; false leaves the
  // message to the system.
  bool Answer(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result);
  // The control may have changed: raises one event for each of its name, value and state that differs
  // from what was last announced. Without a window it only notes them.
  void AnnounceChanges(HWND window);
  // Notes what the control reads as, when nothing was noted yet.
  void NoteBaseline() {
    if (!FAnnouncedOnce) AnnounceChanges(nullptr);
  }
  // The control is going: every later call of a client fails.
  void Disconnect();

 private:
  TAccessSource& FSource;
  TqxAccessible* FObject = nullptr;
  HWND FWindow = nullptr;
  TAccessAnswer FAnnounced;
  bool FAnnouncedOnce = false;
  bool FDescribing = false;
};

// Raises a WinEvent for the client object of Window (Child 0) or one of its elements.
void NotifyAccessEvent(DWORD event, HWND window, long child = 0);

}  // namespace qw
