#pragma once
// TqxAccessible: the IAccessible of a skinned window. Reference counted; its control may go before the
// last client lets go of it, so the host cuts it off (Disconnect) and every call after that fails with
// CO_E_OBJNOTCONNECTED instead of reaching freed memory.
#include <initguid.h>
#include <windows.h>
#include <oleacc.h>

#include <vector>

#include "skin/access/AccessSource.h"

namespace qw {

class TqxAccessible final : public IAccessible {
 public:
  // Takes one reference of Standard, the system's object of the same part of the window (ObjectId).
  TqxAccessible(TAccessSource& source, HWND window, IAccessible* standard, LONG objectId = OBJID_CLIENT);
  void Disconnect();

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IDispatch: no type information; clients call the interface directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override;
  HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~TqxAccessible();
  // The control and its elements as they are now; false when the control is gone.
  bool Snapshot();
  // The answer for Child (0: the control); E_INVALIDARG for an id that is no element.
  HRESULT AnswerFor(const VARIANT& child, TAccessAnswer& answer);
  // Child as an element number, 0 for the control, -1 for anything else (a child window's id).
  long ElementOf(const VARIANT& child) const;
  bool HasWindowChildren() const;
  HRESULT StringAnswer(const VARIANT& child, std::u16string TAccessAnswer::*field, BSTR* out);

  LONG FRefs = 1;
  TAccessSource* FSource;
  HWND FWindow;
  IAccessible* FStandard;
  LONG FObjectId;
  TAccessFacts FSelf;
  std::vector<TAccessElement> FElements;
};

}  // namespace qw
