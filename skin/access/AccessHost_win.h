#pragma once
// TAccessHost: the accessible object of one window, made on the first WM_GETOBJECT that asks for the
// client and kept for the window's life. The system's standard object of the window answers parent,
// location and navigation; the source (the control) answers everything else. When the host goes the
// object is cut off from the control: clients that still hold it get CO_E_OBJNOTCONNECTED.
#include <windows.h>

#include <vector>

#include "skin/access/AccessSource.h"

namespace qw {

class TqxAccessible;

// Posted to the window by the object's default action; WParam carries the element id, LParam the object
// id (OBJID_CLIENT, or the part of the frame whose object it is). The action runs
// from the message loop so that a client's call never waits for a message box it opened.
inline constexpr UINT FW_ACCESS_ACTION = 0xB0F0;

class TAccessHost {
 public:
  // ObjectId: which of the window's objects this is (its client, or a part of its frame).
  explicit TAccessHost(TAccessSource& source, LONG objectId = OBJID_CLIENT) : FSource(source), FObjectId(objectId) {}
  ~TAccessHost();
  TAccessHost(const TAccessHost&) = delete;
  TAccessHost& operator=(const TAccessHost&) = delete;

  // WM_GETOBJECT: true with Result set when this object of Window was asked for; false leaves the
  // message to the system.
  bool Answer(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result);
  // The control may have changed: raises one event for each of its name, value and state that differs
  // from what was last announced, and for each of its elements' (with the element's id) while they are
  // as many as before (a list that grew or shrank is not compared). Without a window it only notes them.
  void AnnounceChanges(HWND window);
  // Notes what the control reads as, when nothing was noted yet.
  void NoteBaseline() {
    if (!FAnnouncedOnce) AnnounceChanges(nullptr);
  }
  // The control is going: every later call of a client fails.
  void Disconnect();

 private:
  // One event for each change, of the object (Child 0) or of its element Child.
  void Announce(HWND window, long child, const TAccessChanges& changes) const;

  TAccessSource& FSource;
  LONG FObjectId;
  TqxAccessible* FObject = nullptr;
  HWND FWindow = nullptr;
  TAccessAnswer FAnnounced;
  std::vector<TAccessAnswer> FAnnouncedElements;
  bool FAnnouncedOnce = false;
  bool FDescribing = false;
};

// A rectangle in Window's window coordinates (its frame's parts) in its client coordinates.
TRect ClientRectOfWindowRect(HWND window, const TRect& inWindow);

// Raises a WinEvent for an object of Window (Child 0) or one of its elements.
void NotifyAccessEvent(DWORD event, HWND window, long child = 0, LONG objectId = OBJID_CLIENT);

}  // namespace qw
