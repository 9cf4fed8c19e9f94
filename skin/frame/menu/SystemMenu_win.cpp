#include "skin/frame/menu/SystemMenu_win.h"

#include <string>

#include "fw/Application.h"
#include "fw/Form.h"
#include "fw/WideText.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/menu/SkinableMenus_win.h"
#include "skin/frame/menu/SysMenuLayout.h"

namespace qw {

namespace {

constexpr char kSkinSelectName[] = "SkinSelectItem";
constexpr char kSkinDividerName[] = "qx_SkinDiv";
constexpr UINT kFirstSystemCommand = 0xF000;
constexpr int kMenuTextLength = 256;

// The text of a command of the system's menu, without what follows its tab; empty when unreadable.
std::u16string SystemMenuText(HMENU menu, UINT id, UINT by, std::u16string* afterTab = nullptr) {
  wchar_t text[kMenuTextLength] = {};
  if (!menu || GetMenuStringW(menu, id, text, kMenuTextLength, by) <= 0) return {};
  std::u16string caption = U16(text);
  const size_t tab = caption.find(u'\t');
  if (afterTab) *afterTab = tab == std::u16string::npos ? std::u16string() : caption.substr(tab + 1);
  if (tab != std::u16string::npos) caption.resize(tab);
  return caption;
}

}  // namespace

TsSystemMenu::TsSystemMenu(HWND form) : FForm(form) { SetName("qxSysMenu" + std::to_string(GetTickCount())); }

TFormState TsSystemMenu::FormState() const {
  TFormState s;
  const DWORD style = static_cast<DWORD>(GetWindowLongW(FForm, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLongW(FForm, GWL_EXSTYLE));
  if (auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(FForm))) {
    s.BorderStyle = QxBorderStyleOf(form->Frame().BorderStyle);
    s.BorderIcons = form->Frame().BorderIcons;
    s.MainForm = Application().MainForm == form;
  } else {
    s.BorderStyle = DialogBorderStyle(style);
    s.BorderIcons = ((style & WS_SYSMENU) ? kBiSystemMenu : 0u) | ((style & WS_MINIMIZEBOX) ? kBiMinimize : 0u) |
                    ((style & WS_MAXIMIZEBOX) ? kBiMaximize : 0u) | ((exStyle & WS_EX_CONTEXTHELP) ? kBiHelp : 0u);
  }
  s.HaveSysMenu = (s.BorderIcons & kBiSystemMenu) != 0;
  HMENU system = GetSystemMenu(FForm, FALSE);
  s.SysMenuHasClose = system ? GetMenuState(system, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1) : s.HaveSysMenu;
  s.Iconic = IsIconic(FForm) != FALSE;
  s.Maximized = IsZoomed(FForm) != FALSE;
  s.MdiChild = (exStyle & WS_EX_MDICHILD) != 0;
  s.MainFormOnTaskBar = Application().MainFormOnTaskBar;
  return s;
}

TMenuItem* TsSystemMenu::AddItem(TMenuItem& parent, const char* name, std::u16string caption) {
  TMenuItem* item = TComponent::Create<TMenuItem>(this);
  item->SetName(name);
  item->SetCaption(std::move(caption));
  parent.Add(item);
  return item;
}

TMenuItem* TsSystemMenu::AddCommand(const char* name, UINT command, const char16_t* fallback) {
  HMENU system = GetSystemMenu(FForm, FALSE);
  std::u16string afterTab;
  std::u16string caption = SystemMenuText(system, command, MF_BYCOMMAND, &afterTab);
  TMenuItem* item = AddItem(Root(), name, caption.empty() ? fallback : caption);
  item->Tag = static_cast<intptr_t>(command);
  item->SetShortCut(TextToShortCut(afterTab));
  HWND form = FForm;
  item->OnClick = [form, command](TComponent*) { PostMessageW(form, WM_SYSCOMMAND, command, 0); };
  return item;
}

void TsSystemMenu::Generate() {
  DestroyComponents();
  ItemRestore = ItemMove = ItemSize = ItemMinimize = ItemMaximize = ItemClose = nullptr;
  ExtItemsCount = 0;
  if (!FormState().HaveSysMenu) return;
  AddMergedSubMenu(TSysSubMenuPosition::ipTop);
  ItemRestore = AddCommand("qxIR", SC_RESTORE, u"Restore");
  ItemMove = AddCommand("qxIM", SC_MOVE, u"Move");
  ItemSize = AddCommand("qxIS", SC_SIZE, u"Size");
  ItemMinimize = AddCommand("qxIN", SC_MINIMIZE, u"Minimize");
  ItemMaximize = AddCommand("qxIX", SC_MAXIMIZE, u"Maximize");
  AddItem(Root(), "qx_Div", u"-");
  // The commands the program put into the system's menu itself keep their place before Close.
  HMENU system = GetSystemMenu(FForm, FALSE);
  const int count = system ? GetMenuItemCount(system) : 0;
  for (int i = 0; i < count; ++i) {
    const UINT id = GetMenuItemID(system, i);
    if (id == 0 || id == static_cast<UINT>(-1) || id >= kFirstSystemCommand) continue;
    std::u16string afterTab;
    std::u16string caption = SystemMenuText(system, static_cast<UINT>(i), MF_BYPOSITION, &afterTab);
    if (caption.empty()) continue;
    TMenuItem* item = AddItem(Root(), "qxExt", std::move(caption));
    item->Tag = static_cast<intptr_t>(id);
    item->SetShortCut(TextToShortCut(afterTab));
    HWND form = FForm;
    item->OnClick = [form, id](TComponent*) { PostMessageW(form, WM_SYSCOMMAND, id, 0); };
    ++ExtItemsCount;
  }
  if (ExtItemsCount > 0) AddItem(Root(), "qx_ExtDiv", u"-");
  AddMergedSubMenu(TSysSubMenuPosition::ipBeforeClose);
  ItemClose = AddCommand("qxIC", SC_CLOSE, u"Close");
  AddMergedSubMenu(TSysSubMenuPosition::ipBottom);
}

void TsSystemMenu::AddMergedSubMenu(TSysSubMenuPosition position) {
  if (!SubMenu || SubMenu->Position != position || SubMenu->Caption.empty() || !SubMenu->PopupMenu) return;
  if (position == TSysSubMenuPosition::ipBottom) AddItem(Root(), "qx_BtmDiv", u"-");
  TMenuItem* merged = AddItem(Root(), "qx_SubMenu", SubMenu->Caption);
  CopyItems(SubMenu->PopupMenu->Root(), *merged);
  if (!Images()) SetImages(SubMenu->PopupMenu->Images());
  if (position != TSysSubMenuPosition::ipBottom) AddItem(Root(), "qx_TopDiv", u"-");
}

void TsSystemMenu::CopyItems(const TMenuItem& from, TMenuItem& to) {
  for (int i = 0; i < from.Count(); ++i) {
    const TMenuItem& source = *from.Items(i);
    TMenuItem* copy = AddItem(to, "", source.Caption());
    copy->SetName(source.Name() + "Copy");
    copy->SetShortCut(source.ShortCut());
    copy->SetChecked(source.Checked());
    copy->SetEnabled(source.Enabled());
    copy->SetImageIndex(source.ImageIndex());
    copy->OnClick = source.OnClick;
    CopyItems(source, *copy);
  }
}

void TsSystemMenu::UpdateItems(bool full) {
  if (full || !ItemClose) Generate();
  if (!ItemClose) return;
  const auto states = SysMenuItemStates(Rules());
  TMenuItem* items[smCommandCount] = {ItemRestore, ItemMove, ItemSize, ItemMinimize, ItemMaximize, ItemClose};
  for (int i = 0; i < smCommandCount; ++i) {
    items[i]->SetVisible(states[static_cast<size_t>(i)].Visible);
    items[i]->SetEnabled(states[static_cast<size_t>(i)].Enabled);
  }
}

void TsSystemMenu::MakeSkinItems() {
  // The submenu is made anew on every drop: the skins on disk may have changed.
  for (int i = ComponentCount() - 1; i >= 0; --i) {
    const std::string& name = Components(i)->Name();
    if (name.starts_with(kSkinSelectName) || name == kSkinDividerName) ExtractComponent(Components(i)).reset();
  }
  TsSkinManager* m = DefaultManager();
  if (!MakeSkinMenu || !m) return;
  std::vector<std::u16string> names;
  m->GetSkinNames(names, stAllSkins);
  if (names.empty()) return;
  TMenuItem* skins = TComponent::Create<TMenuItem>(this);
  skins->SetName(kSkinSelectName);
  skins->SetCaption(u"Available skins");
  Root().Insert(0, skins);
  TMenuItem* divider = TComponent::Create<TMenuItem>(this);
  divider->SetName(kSkinDividerName);
  divider->SetCaption(u"-");
  Root().Insert(1, divider);
  int number = 0;
  for (const TSkinChoice& choice : SkinMenuChoices(names, m->SkinName())) {
    TMenuItem* item = AddItem(*skins, "", choice.Caption);
    item->SetName(kSkinSelectName + std::to_string(++number));
    item->SetRadioItem(true);
    item->SetChecked(choice.Checked);
    if (choice.Break) item->SetBreak(mbBreak);
    item->OnClick = [this, item](TComponent*) { SkinSelect(*item); };
  }
}

void TsSystemMenu::SkinSelect(TMenuItem& item) {
  if (TsSkinManager* m = DefaultManager()) m->SetSkinName(SkinNameOfChoice(item.Caption()));
}

void TsSystemMenu::Drop(POINT at) {
  // Copied items follow their sources' current states.
  UpdateItems(ExtItemsCount > 0 || (SubMenu && SubMenu->PopupMenu));
  MakeSkinItems();
  TsSkinManager* m = DefaultManager();
  SkinableMenus().HookPopupMenu(*this, m, m && m->SkinData.Active);
  SetWindowHandle(FForm);
  TDestroyWatch watch(this);
  Popup(at.x, at.y);
  if (!watch.Destroyed()) SetWindowHandle(nullptr);
}

TsSystemMenu* SystemMenuOf(HWND form) {
  auto* owner = dynamic_cast<TForm*>(TWinControl::FromHandle(form));
  if (!owner) return nullptr;
  for (int i = 0; i < owner->ComponentCount(); ++i)
    if (auto* menu = dynamic_cast<TsSystemMenu*>(owner->Components(i))) return menu;
  return TComponent::Create<TsSystemMenu>(owner, form);
}

void ShowSkinnedSystemMenu(HWND form, POINT at, bool makeSkinMenu, const TqxSysSubMenu* subMenu) {
  TsSystemMenu* menu = SystemMenuOf(form);
  if (!menu) return;
  menu->MakeSkinMenu = makeSkinMenu;
  menu->SubMenu = subMenu;
  menu->Drop(at);
}

}  // namespace qw
