#include "fw/FormReader.h"

#include <cctype>

#include "base/Utf.h"
#include "fw/Control.h"
#include "fw/Form.h"
#include "fw/Menu.h"
#include "fw/WinControl.h"

namespace qw {

namespace {

std::wstring Widen(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

struct TColorName {
  const char* Name;
  TColor Value;
};
constexpr TColorName kColorNames[] = {
    {"clNone", clNone},         {"clBlack", clBlack},       {"clWhite", clWhite},
    {"clRed", clRed},           {"clGray", clGray},         {"clSilver", clSilver},
    {"clNavy", clNavy},         {"clBlue", clBlue},         {"clBtnFace", clBtnFace},
    {"clWindow", clWindow},     {"clWindowText", clWindowText}, {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText}, {"clBtnText", clBtnText}, {"clGrayText", clGrayText},
};

}  // namespace

struct TFormReader::TToken {
  enum class TKind { End, Ident, Integer, String, Symbol };
  TKind Kind = TKind::End;
  std::string Text;     // identifier, digits or the symbol
  std::wstring String;  // decoded string
  int Line = 1;
};

class TFormReader::TLexer {
 public:
  TLexer(std::string_view text, const TFormReader& reader) : FText(text), FReader(reader) { Advance(); }
  const TToken& Peek() const { return FToken; }
  TToken Next() {
    TToken t = FToken;
    Advance();
    return t;
  }
  void Expect(TToken::TKind kind, const char* what) {
    if (FToken.Kind != kind) FReader.Fail(FToken.Line, std::string("expected ") + what);
  }
  void ExpectSymbol(char c) {
    if (FToken.Kind != TToken::TKind::Symbol || FToken.Text[0] != c)
      FReader.Fail(FToken.Line, std::string("expected '") + c + "'");
    Advance();
  }

 private:
  void SkipSpace() {
    while (FPos < FText.size()) {
      const char c = FText[FPos];
      if (c == '\n') {
        ++FLine;
        ++FPos;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++FPos;
      } else if (c == '/' && FPos + 1 < FText.size() && FText[FPos + 1] == '/') {
        while (FPos < FText.size() && FText[FPos] != '\n') ++FPos;
      } else {
        break;
      }
    }
  }
  static bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
  static bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'; }
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  void Advance() {
    SkipSpace();
    FToken = TToken{};
    FToken.Line = FLine;
    if (FPos >= FText.size()) return;
    const char c = FText[FPos];
    if (IsIdentStart(c)) {
      const size_t start = FPos;
      while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
      FToken.Kind = TToken::TKind::Ident;
      FToken.Text = std::string(FText.substr(start, FPos - start));
    } else if (IsDigit(c) || (c == '-' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1]))) {
      const size_t start = FPos++;
      while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
      FToken.Kind = TToken::TKind::Integer;
      FToken.Text = std::string(FText.substr(start, FPos - start));
    } else if (c == '\'' || c == '#') {
      FToken.Kind = TToken::TKind::String;
      ReadString();
    } else {
      FToken.Kind = TToken::TKind::Symbol;
      FToken.Text = std::string(1, c);
      ++FPos;
    }
  }

  // 'quoted' parts ('' is a quote) and #nnn character codes, written next to each other or joined by +.
  void ReadString() {
    std::string utf8;
    for (;;) {
      if (FPos < FText.size() && FText[FPos] == '\'') {
        ++FPos;
        for (;;) {
          if (FPos >= FText.size() || FText[FPos] == '\n') FReader.Fail(FLine, "unterminated string");
          if (FText[FPos] == '\'') {
            if (FPos + 1 < FText.size() && FText[FPos + 1] == '\'') {
              utf8 += '\'';
              FPos += 2;
              continue;
            }
            ++FPos;
            break;
          }
          utf8 += FText[FPos++];
        }
      } else if (FPos < FText.size() && FText[FPos] == '#') {
        ++FPos;
        uint32_t code = 0;
        size_t digits = 0;
        while (FPos < FText.size() && IsDigit(FText[FPos]) && digits < 6) {
          code = code * 10 + static_cast<uint32_t>(FText[FPos++] - '0');
          ++digits;
        }
        if (digits == 0 || code > 0xFFFF) FReader.Fail(FLine, "bad character code");
        utf8 += Utf16ToUtf8(std::u16string(1, static_cast<char16_t>(code)));
      } else {
        // A + continues the string on the next line.
        const size_t save = FPos;
        const int saveLine = FLine;
        SkipSpace();
        if (FPos < FText.size() && FText[FPos] == '+') {
          ++FPos;
          SkipSpace();
          if (FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#')) continue;
          FReader.Fail(FLine, "expected a string after '+'");
        }
        FPos = save;
        FLine = saveLine;
        break;
      }
    }
    FToken.String = Widen(Utf8ToUtf16(utf8));
  }

  std::string_view FText;
  const TFormReader& FReader;
  size_t FPos = 0;
  int FLine = 1;
  TToken FToken;
};

void TFormReader::Fail(int line, const std::string& message) const {
  throw EFormLoadError("Form description, line " + std::to_string(line) + ": " + message);
}

// ---- Values ----------------------------------------------------------------------------------------

TFormValue TFormReader::ReadValue(TLexer& lexer) {
  TFormValue value;
  const TToken t = lexer.Next();
  value.Line = t.Line;
  switch (t.Kind) {
    case TToken::TKind::Integer:
      value.Kind = TFormValue::TKind::Integer;
      try {
        value.Integer = std::stoll(t.Text);
      } catch (const std::exception&) {
        Fail(t.Line, "integer out of range");
      }
      return value;
    case TToken::TKind::String:
      value.Kind = TFormValue::TKind::String;
      value.String = t.String;
      return value;
    case TToken::TKind::Ident:
      if (t.Text == "resource") {
        lexer.ExpectSymbol('(');
        lexer.Expect(TToken::TKind::String, "a resource name");
        value.Kind = TFormValue::TKind::Resource;
        value.String = lexer.Next().String;
        lexer.ExpectSymbol(')');
        return value;
      }
      value.Kind = TFormValue::TKind::Identifier;
      value.Identifier = t.Text;
      return value;
    case TToken::TKind::Symbol:
      if (t.Text == "[") {
        value.Kind = TFormValue::TKind::Set;
        while (!(lexer.Peek().Kind == TToken::TKind::Symbol && lexer.Peek().Text == "]")) {
          lexer.Expect(TToken::TKind::Ident, "a set element");
          value.Set.push_back(lexer.Next().Text);
          if (lexer.Peek().Kind == TToken::TKind::Symbol && lexer.Peek().Text == ",") lexer.Next();
        }
        lexer.Next();
        return value;
      }
      if (t.Text == "<") {
        value.Kind = TFormValue::TKind::Collection;
        while (!(lexer.Peek().Kind == TToken::TKind::Symbol && lexer.Peek().Text == ">")) {
          const TToken item = lexer.Next();
          if (item.Kind != TToken::TKind::Ident || item.Text != "item") Fail(item.Line, "expected 'item' or '>'");
          auto& properties = value.Items.emplace_back();
          for (;;) {
            lexer.Expect(TToken::TKind::Ident, "a property or 'end'");
            const TToken name = lexer.Next();
            if (name.Text == "end") break;
            lexer.ExpectSymbol('=');
            properties.push_back(TFormProperty{name.Text, ReadValue(lexer)});
          }
        }
        lexer.Next();
        return value;
      }
      if (t.Text == "(") {
        value.Kind = TFormValue::TKind::List;
        while (!(lexer.Peek().Kind == TToken::TKind::Symbol && lexer.Peek().Text == ")")) {
          if (lexer.Peek().Kind == TToken::TKind::End) Fail(lexer.Peek().Line, "unterminated list");
          value.List.push_back(ReadValue(lexer));
        }
        lexer.Next();
        return value;
      }
      break;
    case TToken::TKind::End:
      break;
  }
  Fail(t.Line, "expected a value");
}

int32_t TFormReader::Int(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::Integer || v.Integer < INT32_MIN || v.Integer > INT32_MAX)
    Fail(v.Line, "expected a 32-bit integer");
  return static_cast<int32_t>(v.Integer);
}

bool TFormReader::Bool(const TFormValue& v) const {
  if (v.Kind == TFormValue::TKind::Identifier) {
    if (v.Identifier == "True") return true;
    if (v.Identifier == "False") return false;
  }
  Fail(v.Line, "expected True or False");
}

std::wstring TFormReader::String(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::String) Fail(v.Line, "expected a string");
  return v.String;
}

std::string TFormReader::Ident(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::Identifier) Fail(v.Line, "expected an identifier");
  return v.Identifier;
}

TColor TFormReader::Color(const TFormValue& v) const {
  if (v.Kind == TFormValue::TKind::Integer) return static_cast<TColor>(v.Integer);
  const std::string name = Ident(v);
  for (const auto& c : kColorNames)
    if (name == c.Name) return c.Value;
  Fail(v.Line, "unknown colour " + name);
}

std::vector<std::wstring> TFormReader::Strings(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::List) Fail(v.Line, "expected a list of strings");
  std::vector<std::wstring> result;
  for (const auto& item : v.List) result.push_back(String(item));
  return result;
}

std::wstring TFormReader::ResourceName(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::Resource) Fail(v.Line, "expected resource('NAME')");
  return v.String;
}

std::vector<uint8_t> TFormReader::ResourceData(const TFormValue& v) const {
  const std::wstring name = ResourceName(v);
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) Fail(v.Line, "the program has no resource " + Utf16ToUtf8(std::u16string(name.begin(), name.end())));
  const auto* bytes = static_cast<const uint8_t*>(LockResource(LoadResource(module, info)));
  return std::vector<uint8_t>(bytes, bytes + SizeofResource(module, info));
}

const std::vector<std::vector<TFormProperty>>& TFormReader::Items(const TFormValue& v) const {
  if (v.Kind != TFormValue::TKind::Collection) Fail(v.Line, "expected a collection < item ... end >");
  return v.Items;
}

TNotifyEvent TFormReader::Handler(const TFormValue& v) const {
  const std::string name = Ident(v);
  TNotifyEvent handler = FForm.FindHandler(name);
  if (!handler) Fail(v.Line, "unknown event handler " + name);
  return handler;
}

void TFormReader::Reference(const TFormValue& v, std::function<void(TComponent*)> assign) {
  Ident(v);
  FFixups.push_back(TFixup{v, std::move(assign)});
}

// ---- Objects ---------------------------------------------------------------------------------------

void TFormReader::ReadProperty(TLexer& lexer, TComponent* component, const std::string& className) {
  const TToken name = lexer.Next();
  lexer.ExpectSymbol('=');
  const TFormValue value = ReadValue(lexer);
  const TPropertySetter* setter = FRegistry.FindProperty(className, name.Text);
  if (!setter) Fail(name.Line, "unknown property " + className + "." + name.Text);
  (*setter)(*component, value, *this);
}

void TFormReader::ReadObject(TLexer& lexer, TComponent* component, const std::string& className) {
  for (;;) {
    const TToken& t = lexer.Peek();
    if (t.Kind == TToken::TKind::End) Fail(t.Line, "missing 'end'");
    if (t.Kind != TToken::TKind::Ident) Fail(t.Line, "expected a property, 'object' or 'end'");
    if (t.Text == "end") {
      lexer.Next();
      return;
    }
    if (t.Text != "object") {
      ReadProperty(lexer, component, className);
      continue;
    }
    lexer.Next();
    lexer.Expect(TToken::TKind::Ident, "a component name");
    const TToken name = lexer.Next();
    lexer.ExpectSymbol(':');
    lexer.Expect(TToken::TKind::Ident, "a class name");
    const TToken cls = lexer.Next();
    const TClassInfo* info = FRegistry.Find(cls.Text);
    if (!info || !info->Factory) Fail(cls.Line, "unknown class " + cls.Text);
    if (FForm.FindComponent(name.Text)) Fail(name.Line, "duplicate component name " + name.Text);
    std::unique_ptr<TComponent> created = info->Factory();
    TComponent* child = created.get();
    child->SetName(name.Text);
    child->SetComponentState(csLoading | csReading);
    FForm.InsertComponent(std::move(created));
    if (auto* control = dynamic_cast<TControl*>(child)) {
      auto* parent = dynamic_cast<TWinControl*>(component);
      if (!parent) Fail(name.Line, name.Text + " needs a control to sit on");
      control->SetParent(parent);
    } else if (auto* item = dynamic_cast<TMenuItem*>(child)) {
      auto* menu = dynamic_cast<TPopupMenu*>(component);
      if (!menu) Fail(name.Line, name.Text + " belongs in a popup menu");
      menu->Add(item);
    }
    FForm.BindField(name.Text, child);  // components without a field are found by name
    ReadObject(lexer, child, cls.Text);
  }
}

void TFormReader::ReadForm(std::string_view text) {
  if (text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF) text.remove_prefix(3);  // UTF-8 mark
  TLexer lexer(text, *this);
  const TToken first = lexer.Next();
  if (first.Kind != TToken::TKind::Ident || first.Text != "object") Fail(first.Line, "expected 'object'");
  lexer.Expect(TToken::TKind::Ident, "the form's name");
  const TToken name = lexer.Next();
  lexer.ExpectSymbol(':');
  lexer.Expect(TToken::TKind::Ident, "the form's class");
  const TToken cls = lexer.Next();
  if (cls.Text != FForm.ClassName()) Fail(cls.Line, "the description is for " + cls.Text + ", not " + FForm.ClassName());
  if (!FRegistry.Find(cls.Text)) Fail(cls.Line, "unknown class " + cls.Text);
  FForm.SetName(name.Text);
  FForm.SetComponentState(csLoading | csReading);
  ReadObject(lexer, &FForm, cls.Text);
  if (lexer.Peek().Kind != TToken::TKind::End) Fail(lexer.Peek().Line, "text after the form's 'end'");
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
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, resourceName.c_str(), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!info) throw EFormLoadError("Form description resource not found");
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(module, info)));
  ReadForm(std::string_view(bytes, SizeofResource(module, info)));
}

}  // namespace qw
