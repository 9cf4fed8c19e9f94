#include "fw/FormReader.h"

#include "base/Utf.h"
#include "fw/Control.h"
#include "fw/Form.h"
#include "fw/Menu.h"
#include "fw/WinControl.h"

namespace qw {

namespace {

std::wstring Widen(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

constexpr TFormName<TColor> kColorNames[] = {
    {"clNone", clNone},         {"clBlack", clBlack},       {"clWhite", clWhite},
    {"clRed", clRed},           {"clGray", clGray},         {"clSilver", clSilver},
    {"clNavy", clNavy},         {"clBlue", clBlue},         {"clBtnFace", clBtnFace},
    {"clWindow", clWindow},     {"clWindowText", clWindowText}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnText", clBtnText}, {"clGrayText", clGrayText},
};

// The program's RCDATA resource of this name, or an empty span when there is none.
std::string_view FindResourceBytes(const std::wstring& name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) return {};
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, info)));
  return bytes ? std::string_view(bytes, SizeofResource(module, info)) : std::string_view();
}

}  // namespace

// ---- Values ----------------------------------------------------------------------------------------

std::wstring TFormReader::String(const TFormValue& v) const { return Widen(FormString(v)); }

TColor TFormReader::Color(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::Integer) return FormEnum(v, kColorNames, "colour");
  // Written signed or unsigned, a colour is a 32-bit pattern (system colours have the top byte set).
  if (v.Integer < INT32_MIN || v.Integer > UINT32_MAX) Fail(v.Line, "colour out of range");
  return static_cast<TColor>(static_cast<uint32_t>(v.Integer));
}

std::vector<std::wstring> TFormReader::Strings(const TFormValue& v) const {
  std::vector<std::wstring> result;
  for (const std::u16string& s : FormStrings(v)) result.push_back(Widen(s));
  return result;
}

std::wstring TFormReader::ResourceName(const TFormValue& v) const { return Widen(FormResourceName(v)); }

std::vector<uint8_t> TFormReader::ResourceData(const TFormValue& v) const {
  const std::wstring name = ResourceName(v);
  const std::string_view bytes = FindResourceBytes(name);
  if (bytes.data() == nullptr) Fail(v.Line, "the program has no resource " + Utf16ToUtf8(FormResourceName(v)));
  return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

template <class TEvent>
TEvent TFormReader::FoundHandler(const TFormValue& v, TEvent handler) const {
  if (!handler) Fail(v.Line, "unknown event handler " + Ident(v));
  return handler;
}

TNotifyEvent TFormReader::Handler(const TFormValue& v) const { return FoundHandler(v, FForm.FindHandler(Ident(v))); }

TMouseEvent TFormReader::MouseHandler(const TFormValue& v) const {
  return FoundHandler(v, FForm.FindMouseHandler(Ident(v)));
}

TKeyEvent TFormReader::KeyHandler(const TFormValue& v) const { return FoundHandler(v, FForm.FindKeyHandler(Ident(v))); }

void TFormReader::Reference(const TFormValue& v, std::function<void(TComponent*)> assign) {
  Ident(v);
  FFixups.push_back(TFixup{v, std::move(assign)});
}

// ---- Objects ---------------------------------------------------------------------------------------

void TFormReader::ReadObject(const TFormObject& object, TComponent& component) {
  for (const TFormProperty& property : object.Properties) {
    const TPropertySetter* setter = FRegistry.FindProperty(object.ClassName, property.Name);
    if (!setter) Fail(property.Line, "unknown property " + object.ClassName + "." + property.Name);
    (*setter)(component, property.Value, *this);
  }
  for (const TFormObject& child : object.Children) CreateChild(child, component);
}

void TFormReader::CreateChild(const TFormObject& object, TComponent& parent) {
  const TClassInfo* info = FRegistry.Find(object.ClassName);
  if (!info || !info->Factory) Fail(object.Line, "unknown class " + object.ClassName);
  if (FForm.FindComponent(object.Name)) Fail(object.Line, "duplicate component name " + object.Name);
  std::unique_ptr<TComponent> created = info->Factory();
  TComponent* child = created.get();
  child->SetName(object.Name);
  child->SetComponentState(csLoading | csReading);
  FForm.InsertComponent(std::move(created));
  if (auto* control = dynamic_cast<TControl*>(child)) {
    auto* container = dynamic_cast<TWinControl*>(&parent);
    if (!container) Fail(object.Line, object.Name + " needs a control to sit on");
    control->SetParent(container);
  } else if (auto* item = dynamic_cast<TMenuItem*>(child)) {
    if (auto* menu = dynamic_cast<TMenu*>(&parent)) menu->Add(item);
    else if (auto* above = dynamic_cast<TMenuItem*>(&parent)) above->Add(item);
    else Fail(object.Line, object.Name + " belongs in a menu or a menu item");
  }
  FForm.BindField(object.Name, child);  // components without a field are found by name
  ReadObject(object, *child);
}

void TFormReader::ReadForm(std::string_view text) {
  const TFormObject form = ParseFormDescription(text);
  if (form.ClassName != FForm.ClassName())
    Fail(form.Line, "the description is for " + form.ClassName + ", not " + FForm.ClassName());
  if (!FRegistry.Find(form.ClassName)) Fail(form.Line, "unknown class " + form.ClassName);
  FForm.SetName(form.Name);
  FForm.SetComponentState(csLoading | csReading);
  ReadObject(form, FForm);
  for (auto& fixup : FFixups) {
    TComponent* target = FForm.FindComponent(fixup.Value.Identifier);
    if (!target) Fail(fixup.Value.Line, "unknown component " + fixup.Value.Identifier);
    fixup.Assign(target);
  }
  FFixups.clear();
  // Loaded runs for every component once all are read and linked, then for the form.
  for (int i = 0; i < FForm.ComponentCount(); ++i) FForm.Components(i)->Loaded();
  FForm.Loaded();
}

void TFormReader::ReadFormResource(const std::wstring& resourceName) {
  const std::string_view bytes = FindResourceBytes(resourceName);
  if (bytes.data() == nullptr) throw EFormLoadError("Form description resource not found");
  ReadForm(bytes);
}

}  // namespace qw
