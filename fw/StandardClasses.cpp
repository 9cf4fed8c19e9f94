// The framework's classes and their published properties, as the form description names them.
#include <algorithm>

#include "base/Utf.h"
#include "fw/Button.h"
#include "fw/CheckBox.h"
#include "fw/ClassRegistry.h"
#include "fw/ComboBox.h"
#include "fw/Edit.h"
#include "fw/Form.h"
#include "fw/FormNames.h"
#include "fw/FormReader.h"
#include "fw/GroupBox.h"
#include "fw/Image.h"
#include "fw/ImageList.h"
#include "fw/Label.h"
#include "fw/Memo.h"
#include "fw/Menu.h"
#include "fw/PageControl.h"
#include "fw/Panel.h"
#include "fw/SpinEdit.h"
#include "fw/SpinEditClass.h"
#include "fw/Timer.h"
#include "fw/WideText.h"
#include "image/ImageError.h"

namespace qw {

namespace {

using V = const TFormValue&;
using R = TFormReader&;

void LoadPicture(TPicture& picture, V v, R r) {
  const std::wstring name = r.ResourceName(v);
  try {
    picture.LoadFromResource(name);
  } catch (const EImageError& e) {
    r.Fail(v.Line, "picture " + std::string(name.begin(), name.end()) + ": " + e.what());
  }
}

// The names the description uses for enumerations and flags, each with the value it stands for.
constexpr TFormName<TCursor> kCursors[] = {
    {"crDefault", crDefault}, {"crArrow", crArrow}, {"crDrag", crDrag}, {"crHandPoint", crHandPoint}};
// The form is always centred on the one screen it knows, so the desktop centre is the same place.
constexpr TFormName<TPosition> kPositions[] = {{"poDesigned", TPosition::poDesigned},
                                               {"poScreenCenter", TPosition::poScreenCenter},
                                               {"poDesktopCenter", TPosition::poScreenCenter}};
constexpr TFormName<TBiDiMode> kBiDiModes[] = {{"bdLeftToRight", bdLeftToRight},
                                               {"bdRightToLeft", bdRightToLeft},
                                               {"bdRightToLeftNoAlign", bdRightToLeftNoAlign},
                                               {"bdRightToLeftReadingOnly", bdRightToLeftReadingOnly}};
constexpr TFormName<TButtonLayout> kButtonLayouts[] = {{"blGlyphLeft", blGlyphLeft},
                                                       {"blGlyphRight", blGlyphRight},
                                                       {"blGlyphTop", blGlyphTop},
                                                       {"blGlyphBottom", blGlyphBottom}};
constexpr TFormName<TImageAlignment> kImageAlignments[] = {
    {"iaLeft", iaLeft}, {"iaRight", iaRight}, {"iaTop", iaTop}, {"iaBottom", iaBottom}, {"iaCenter", iaCenter}};
constexpr TFormName<TMenuBreak> kMenuBreaks[] = {{"mbNone", mbNone}, {"mbBreak", mbBreak}, {"mbBarBreak", mbBarBreak}};
constexpr TFormName<TBevelCut> kBevels[] = {
    {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
constexpr TFormName<TComboBoxStyle> kComboStyles[] = {{"csDropDown", csDropDown},
                                                       {"csSimple", csSimple},
                                                       {"csDropDownList", csDropDownList},
                                                       {"csOwnerDrawFixed", csOwnerDrawFixed},
                                                       {"csOwnerDrawVariable", csOwnerDrawVariable}};
constexpr TFormName<TEditCharCase> kCharCases[] = {
    {"ecNormal", ecNormal}, {"ecUpperCase", ecUpperCase}, {"ecLowerCase", ecLowerCase}};
constexpr TFormName<TVerticalAlignment> kVerticalAlignments[] = {
    {"taAlignTop", taAlignTop}, {"taAlignBottom", taAlignBottom}, {"taVerticalCenter", taVerticalCenter}};
constexpr TFormName<TCheckBoxState> kCheckStates[] = {
    {"cbUnchecked", cbUnchecked}, {"cbChecked", cbChecked}, {"cbGrayed", cbGrayed}};

// A shortcut is stored as its number, or written as the text a menu shows for it ('Ctrl+C').
TShortCut ReadShortCut(V v, R r) {
  if (v.Kind != TFormValue::TKind::String) {
    const int32_t number = r.Int(v);
    if (number < 0 || number > 0xFFFF) r.Fail(v.Line, "shortcut out of range");
    return static_cast<TShortCut>(number);
  }
  const TShortCut shortCut = TextToShortCut(U16(r.String(v)));
  if (shortCut == scNone && !r.String(v).empty()) r.Fail(v.Line, "unknown shortcut " + Utf16ToUtf8(U16(r.String(v))));
  return shortCut;
}

void RegisterMenus(TClassRegistry& g) {
  g.Register("TMenu", "TComponent", nullptr);
  g.Property<TMenu>("TMenu", "OwnerDraw", [](TMenu& c, V v, R r) { c.SetOwnerDraw(r.Bool(v)); });
  g.Property<TMenu>("TMenu", "Images", [](TMenu& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* images = dynamic_cast<TImageList*>(target);
      if (!images) r.Fail(line, "Images must name an image list");
      c.SetImages(images);
    });
  });
  g.Register<TPopupMenu>("TPopupMenu", "TMenu");
  g.Register<TMainMenu>("TMainMenu", "TMenu");

  using I = TMenuItem;
  const std::string n = "TMenuItem";
  g.Register<I>(n, "TComponent");
  g.Property<I>(n, "Caption", [](I& c, V v, R r) { c.SetCaption(U16(r.String(v))); });
  g.Property<I>(n, "ShortCut", [](I& c, V v, R r) { c.SetShortCut(ReadShortCut(v, r)); });
  g.Property<I>(n, "Checked", [](I& c, V v, R r) { c.SetChecked(r.Bool(v)); });
  g.Property<I>(n, "RadioItem", [](I& c, V v, R r) { c.SetRadioItem(r.Bool(v)); });
  g.Property<I>(n, "GroupIndex", [](I& c, V v, R r) {
    const int32_t index = r.Int(v);
    if (index < 0 || index > 255) r.Fail(v.Line, "GroupIndex must be 0 to 255");
    c.SetGroupIndex(index);
  });
  g.Property<I>(n, "Break", [](I& c, V v, R) { c.SetBreak(FormEnum(v, kMenuBreaks, "menu break")); });
  g.Property<I>(n, "Default", [](I& c, V v, R r) { c.SetDefault(r.Bool(v)); });
  g.Property<I>(n, "Enabled", [](I& c, V v, R r) { c.SetEnabled(r.Bool(v)); });
  g.Property<I>(n, "Visible", [](I& c, V v, R r) { c.SetVisible(r.Bool(v)); });
  g.Property<I>(n, "AutoCheck", [](I& c, V v, R r) { c.AutoCheck = r.Bool(v); });
  g.Property<I>(n, "Bitmap", [](I& c, V v, R r) {
    TPicture picture;
    LoadPicture(picture, v, r);
    c.SetBitmap(picture.Bitmap().Clone());
  });
  g.Property<I>(n, "ImageIndex", [](I& c, V v, R r) { c.SetImageIndex(r.Int(v)); });
  g.Property<I>(n, "OnClick", [](I& c, V v, R r) { c.OnClick = r.Handler(v); });
}

void RegisterComponents(TClassRegistry& g) {
  g.Register("TComponent", "", nullptr);
  g.Property<TComponent>("TComponent", "Tag", [](TComponent& c, V v, R r) { c.Tag = r.Int(v); });

  g.Register("TTimer", "TComponent", [] { return std::make_unique<TTimer>(); });
  g.Property<TTimer>("TTimer", "Interval", [](TTimer& c, V v, R r) { c.SetInterval(static_cast<unsigned>(r.Int(v))); });
  g.Property<TTimer>("TTimer", "Enabled", [](TTimer& c, V v, R r) { c.SetEnabled(r.Bool(v)); });
  g.Property<TTimer>("TTimer", "OnTimer", [](TTimer& c, V v, R r) { c.SetOnTimer(r.Handler(v)); });

  RegisterMenus(g);
}

void RegisterControls(TClassRegistry& g) {
  g.Register("TControl", "TComponent", nullptr);
  g.Property<TControl>("TControl", "Left", [](TControl& c, V v, R r) { c.SetLeft(r.Int(v)); });
  g.Property<TControl>("TControl", "Top", [](TControl& c, V v, R r) { c.SetTop(r.Int(v)); });
  g.Property<TControl>("TControl", "Width", [](TControl& c, V v, R r) { c.SetWidth(r.Int(v)); });
  g.Property<TControl>("TControl", "Height", [](TControl& c, V v, R r) { c.SetHeight(r.Int(v)); });
  g.Property<TControl>("TControl", "Visible", [](TControl& c, V v, R r) { c.SetVisible(r.Bool(v)); });
  g.Property<TControl>("TControl", "Enabled", [](TControl& c, V v, R r) { c.SetEnabled(r.Bool(v)); });
  g.Property<TControl>("TControl", "Caption", [](TControl& c, V v, R r) { c.SetText(r.String(v)); });
  g.Property<TControl>("TControl", "Text", [](TControl& c, V v, R r) { c.SetText(r.String(v)); });
  g.Property<TControl>("TControl", "Color", [](TControl& c, V v, R r) { c.SetColor(r.Color(v)); });
  g.Property<TControl>("TControl", "ParentColor", [](TControl& c, V v, R r) { c.SetParentColor(r.Bool(v)); });
  g.Property<TControl>("TControl", "ParentFont", [](TControl& c, V v, R r) { c.SetParentFont(r.Bool(v)); });
  g.Property<TControl>("TControl", "Font.Name", [](TControl& c, V v, R r) { c.Font().SetName(r.String(v)); });
  g.Property<TControl>("TControl", "Font.Height", [](TControl& c, V v, R r) { c.Font().SetHeight(r.Int(v)); });
  g.Property<TControl>("TControl", "Font.Color", [](TControl& c, V v, R r) { c.Font().SetColor(r.Color(v)); });
  g.Property<TControl>("TControl", "Font.Style", [](TControl& c, V v, R) {
    c.Font().SetStyle(FormFlags(v, kFontStyles, "font style"));
  });
  g.Property<TControl>("TControl", "Hint", [](TControl& c, V v, R r) { c.Hint = r.String(v); });
  g.Property<TControl>("TControl", "ShowHint", [](TControl& c, V v, R r) { c.ShowHint = r.Bool(v); });
  g.Property<TControl>("TControl", "OnClick", [](TControl& c, V v, R r) { c.OnClick = r.Handler(v); });
  g.Property<TControl>("TControl", "OnDblClick", [](TControl& c, V v, R r) { c.OnDblClick = r.Handler(v); });
  g.Property<TControl>("TControl", "OnMouseDown", [](TControl& c, V v, R r) { c.OnMouseDown = r.MouseHandler(v); });
  g.Property<TControl>("TControl", "OnMouseUp", [](TControl& c, V v, R r) { c.OnMouseUp = r.MouseHandler(v); });
  g.Property<TControl>("TControl", "BiDiMode", [](TControl& c, V v, R) { c.SetBiDiMode(FormEnum(v, kBiDiModes, "bidi mode")); });
  g.Property<TControl>("TControl", "PopupMenu", [](TControl& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* menu = dynamic_cast<TPopupMenu*>(target);
      if (!menu) r.Fail(line, "PopupMenu must name a popup menu");
      c.SetPopupMenu(menu);
    });
  });
  g.Property<TControl>("TControl", "Cursor", [](TControl& c, V v, R) { c.Cursor = FormEnum(v, kCursors, "cursor"); });

  g.Register("TWinControl", "TControl", nullptr);
  g.Property<TWinControl>("TWinControl", "TabOrder", [](TWinControl& c, V v, R r) { c.TabOrder = r.Int(v); });
  g.Property<TWinControl>("TWinControl", "TabStop", [](TWinControl& c, V v, R r) { c.TabStop = r.Bool(v); });
  g.Property<TWinControl>("TWinControl", "OnKeyDown", [](TWinControl& c, V v, R r) { c.OnKeyDown = r.KeyHandler(v); });
  g.Property<TWinControl>("TWinControl", "OnKeyUp", [](TWinControl& c, V v, R r) { c.OnKeyUp = r.KeyHandler(v); });
  // Painting through an off-screen bitmap is how every control of this framework paints anyway.
  g.Property<TWinControl>("TWinControl", "DoubleBuffered", [](TWinControl&, V v, R r) { r.Bool(v); });

  g.Register("TForm", "TWinControl", nullptr);
  g.Property<TForm>("TForm", "ClientWidth", [](TForm& c, V v, R r) { c.SetClientWidth(r.Int(v)); });
  g.Property<TForm>("TForm", "ClientHeight", [](TForm& c, V v, R r) { c.SetClientHeight(r.Int(v)); });
  g.Property<TForm>("TForm", "Icon", [](TForm& c, V v, R r) { c.IconResource = r.ResourceName(v); });
  g.Property<TForm>("TForm", "Position", [](TForm& c, V v, R) { c.Position = FormEnum(v, kPositions, "position"); });
  // The frame's properties are read as the portable table says, each into the form's frame.
  for (const TFormFrameProperty& p : FormFrameProperties()) {
    g.Property<TForm>("TForm", std::string(p.Name), [read = p.Read](TForm& c, V v, R) {
      TFormFrame frame = c.Frame();
      read(frame, v);
      c.SetFrame(frame);
    });
  }
  g.Property<TForm>("TForm", "Menu", [](TForm& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* menu = dynamic_cast<TMainMenu*>(target);
      if (!menu) r.Fail(line, "Menu must name a main menu");
      c.SetMenu(menu);
    });
  });
  g.Property<TForm>("TForm", "OnPaint", [](TForm& c, V v, R r) { c.OnPaint = r.Handler(v); });

  g.Register<TLabel>("TLabel", "TControl");
  g.Property<TLabel>("TLabel", "AutoSize", [](TLabel& c, V v, R r) { c.SetAutoSize(r.Bool(v)); });
  g.Property<TLabel>("TLabel", "Transparent", [](TLabel& c, V v, R r) { c.SetTransparent(r.Bool(v)); });
  g.Property<TLabel>("TLabel", "Alignment", [](TLabel& c, V v, R) { c.SetAlignment(FormEnum(v, kAlignmentNames, "alignment")); });
  g.Property<TLabel>("TLabel", "WordWrap", [](TLabel& c, V v, R r) { c.SetWordWrap(r.Bool(v)); });

  g.Register<TImage>("TImage", "TControl");
  g.Property<TImage>("TImage", "Picture", [](TImage& c, V v, R r) { LoadPicture(c.Picture, v, r); });

  g.Register<TEdit>("TEdit", "TWinControl");
  g.Property<TEdit>("TEdit", "ReadOnly", [](TEdit& c, V v, R r) { c.ReadOnly = r.Bool(v); });
  g.Property<TEdit>("TEdit", "OnChange", [](TEdit& c, V v, R r) { c.OnChange = r.Handler(v); });
  g.Property<TEdit>("TEdit", "BorderStyle", [](TEdit& c, V v, R) {
    c.HasBorder = FormEnum(v, kFormBorderStyleNames, "border style") != TFormBorderStyle::bsNone;
  });
  g.Property<TEdit>("TEdit", "Ctl3D", [](TEdit& c, V v, R r) { c.Ctl3D = r.Bool(v); });
  g.Property<TEdit>("TEdit", "TextHint", [](TEdit& c, V v, R r) { c.TextHint = r.String(v); });
  g.Property<TEdit>("TEdit", "PasswordChar", [](TEdit& c, V v, R r) {
    const std::wstring s = r.String(v);
    if (s.size() > 1) r.Fail(v.Line, "PasswordChar must be one character");
    c.SetPasswordChar(s.empty() ? 0 : static_cast<char16_t>(s[0]));
  });
  g.Property<TEdit>("TEdit", "Alignment", [](TEdit& c, V v, R) { c.Alignment = FormEnum(v, kAlignmentNames, "alignment"); });
  g.Property<TEdit>("TEdit", "CharCase", [](TEdit& c, V v, R) { c.CharCase = FormEnum(v, kCharCases, "char case"); });

  g.Register<TMemo>("TMemo", "TEdit");
  // The memo always wraps words and has its vertical scroll bar; the stored values are checked only.
  g.Property<TMemo>("TMemo", "ScrollBars", [](TMemo&, V v, R r) {
    if (r.Ident(v) != "ssVertical") r.Fail(v.Line, "only ssVertical is supported");
  });
  g.Property<TMemo>("TMemo", "WordWrap", [](TMemo&, V v, R r) {
    if (!r.Bool(v)) r.Fail(v.Line, "only WordWrap = True is supported");
  });

  g.Register<TComboBox>("TComboBox", "TWinControl");
  g.Property<TComboBox>("TComboBox", "Items.Strings", [](TComboBox& c, V v, R r) { c.SetItems(r.Strings(v)); });
  g.Property<TComboBox>("TComboBox", "ItemIndex", [](TComboBox& c, V v, R r) { c.SetItemIndex(r.Int(v)); });
  g.Property<TComboBox>("TComboBox", "Style", [](TComboBox& c, V v, R) { c.SetStyle(FormEnum(v, kComboStyles, "combo box style")); });
  g.Property<TComboBox>("TComboBox", "ItemHeight", [](TComboBox& c, V v, R r) { c.SetItemHeight(r.Int(v)); });
  g.Property<TComboBox>("TComboBox", "OnChange", [](TComboBox& c, V v, R r) { c.OnChange = r.Handler(v); });

  g.Register<TCheckBox>("TCheckBox", "TWinControl");
  // The stored state decides, whatever a control does with Checked while it is being read.
  g.Property<TCheckBox>("TCheckBox", "Checked", [](TCheckBox& c, V v, R r) {
    c.SetState(r.Bool(v) ? cbChecked : cbUnchecked);
  });
  g.Property<TCheckBox>("TCheckBox", "State", [](TCheckBox& c, V v, R) {
    c.SetState(FormEnum(v, kCheckStates, "check state"));
  });
  g.Property<TCheckBox>("TCheckBox", "AllowGrayed", [](TCheckBox& c, V v, R r) { c.AllowGrayed = r.Bool(v); });

  g.Register<TButton>("TButton", "TWinControl");
  g.Property<TButton>("TButton", "Default", [](TButton& c, V v, R r) { c.SetDefault(r.Bool(v)); });
  g.Property<TButton>("TButton", "Cancel", [](TButton& c, V v, R r) { c.Cancel = r.Bool(v); });
  g.Property<TButton>("TButton", "WordWrap", [](TButton& c, V v, R r) { c.WordWrap = r.Bool(v); });
  g.Property<TButton>("TButton", "Images", [](TButton& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* images = dynamic_cast<TImageList*>(target);
      if (!images) r.Fail(line, "Images must name an image list");
      c.SetImages(images);
    });
  });
  g.Property<TButton>("TButton", "ImageIndex", [](TButton& c, V v, R r) { c.ImageIndex = r.Int(v); });
  g.Property<TButton>("TButton", "HotImageIndex", [](TButton& c, V v, R r) { c.HotImageIndex = r.Int(v); });
  g.Property<TButton>("TButton", "PressedImageIndex", [](TButton& c, V v, R r) { c.PressedImageIndex = r.Int(v); });
  g.Property<TButton>("TButton", "SelectedImageIndex", [](TButton& c, V v, R r) { c.SelectedImageIndex = r.Int(v); });
  g.Property<TButton>("TButton", "DisabledImageIndex", [](TButton& c, V v, R r) { c.DisabledImageIndex = r.Int(v); });
  g.Property<TButton>("TButton", "ImageAlignment", [](TButton& c, V v, R) {
    c.ImageAlignment = FormEnum(v, kImageAlignments, "image alignment");
  });
  g.Property<TButton>("TButton", "ImageMargins.Left", [](TButton& c, V v, R r) { c.ImageMargins.Left = r.Int(v); });
  g.Property<TButton>("TButton", "ImageMargins.Top", [](TButton& c, V v, R r) { c.ImageMargins.Top = r.Int(v); });
  g.Property<TButton>("TButton", "ImageMargins.Right", [](TButton& c, V v, R r) { c.ImageMargins.Right = r.Int(v); });
  g.Property<TButton>("TButton", "ImageMargins.Bottom", [](TButton& c, V v, R r) { c.ImageMargins.Bottom = r.Int(v); });
  g.Register<TBitBtn>("TBitBtn", "TButton");
  g.Property<TBitBtn>("TBitBtn", "Glyph", [](TBitBtn& c, V v, R r) {
    TPicture picture;
    LoadPicture(picture, v, r);
    c.SetGlyph(picture.Bitmap().Clone());
  });
  g.Property<TBitBtn>("TBitBtn", "Spacing", [](TBitBtn& c, V v, R r) { c.Spacing = r.Int(v); });
  g.Property<TBitBtn>("TBitBtn", "Margin", [](TBitBtn& c, V v, R r) { c.Margin = r.Int(v); });
  g.Property<TBitBtn>("TBitBtn", "NumGlyphs", [](TBitBtn& c, V v, R r) { c.NumGlyphs = std::max(1, r.Int(v)); });
  g.Property<TBitBtn>("TBitBtn", "Layout", [](TBitBtn& c, V v, R) { c.Layout = FormEnum(v, kButtonLayouts, "button layout"); });

  g.Register<TGroupBox>("TGroupBox", "TWinControl");
  g.Register<TPanel>("TPanel", "TWinControl");
  g.Property<TPanel>("TPanel", "BevelOuter", [](TPanel& c, V v, R) { c.SetBevelOuter(FormEnum(v, kBevels, "bevel")); });
  g.Property<TPanel>("TPanel", "BevelInner", [](TPanel& c, V v, R) { c.SetBevelInner(FormEnum(v, kBevels, "bevel")); });
  g.Property<TPanel>("TPanel", "BevelWidth", [](TPanel& c, V v, R r) { c.SetBevelWidth(r.Int(v)); });
  g.Property<TPanel>("TPanel", "BorderWidth", [](TPanel& c, V v, R r) { c.SetBorderWidth(r.Int(v)); });
  g.Property<TPanel>("TPanel", "Alignment", [](TPanel& c, V v, R) { c.SetAlignment(FormEnum(v, kAlignmentNames, "alignment")); });
  g.Property<TPanel>("TPanel", "VerticalAlignment", [](TPanel& c, V v, R) {
    c.SetVerticalAlignment(FormEnum(v, kVerticalAlignments, "vertical alignment"));
  });
  g.Property<TPanel>("TPanel", "ShowCaption", [](TPanel& c, V v, R r) { c.SetShowCaption(r.Bool(v)); });

  g.Register<TPageControl>("TPageControl", "TWinControl");
  g.Property<TPageControl>("TPageControl", "ActivePage", [](TPageControl& c, V v, R r) {
    r.Reference(v, [&c, &r, line = v.Line](TComponent* target) {
      auto* page = dynamic_cast<TTabSheet*>(target);
      if (!page || page->PageControl() != &c) r.Fail(line, "ActivePage must name a page of this control");
      c.SetActivePage(page);
    });
  });
  g.Property<TPageControl>("TPageControl", "OnChange", [](TPageControl& c, V v, R r) { c.OnChange = r.Handler(v); });
  g.Register<TTabSheet>("TTabSheet", "TWinControl");

  g.Register<TSpinEdit>("TSpinEdit", "TEdit");
  RegisterSpinEditProperties<TSpinEdit>(g, "TSpinEdit");
}

}  // namespace

void RegisterStandardClasses(TClassRegistry& registry) {
  RegisterComponents(registry);
  RegisterControls(registry);
  RegisterImageListClass(registry);
}

}  // namespace qw
