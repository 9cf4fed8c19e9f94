#include "fw/ShortCut.h"

namespace qw {

namespace {

struct TKeyName {
  uint8_t Key;
  std::u16string_view Name;
};

// Keys with a word for a name; letters, digits and function keys are made from their numbers below.
constexpr TKeyName kKeyNames[] = {
    {0x08, u"BkSp"},  {0x09, u"Tab"},   {0x0D, u"Enter"}, {0x1B, u"Esc"},   {0x20, u"Space"},
    {0x21, u"PgUp"},  {0x22, u"PgDn"},  {0x23, u"End"},   {0x24, u"Home"},  {0x25, u"Left"},
    {0x26, u"Up"},    {0x27, u"Right"}, {0x28, u"Down"},  {0x2D, u"Ins"},   {0x2E, u"Del"},
    {0x6A, u"Num *"}, {0x6B, u"Num +"}, {0x6D, u"Num -"}, {0x6E, u"Num ."}, {0x6F, u"Num /"},
    {0xBA, u";"},     {0xBB, u"="},     {0xBC, u","},     {0xBD, u"-"},     {0xBE, u"."},
    {0xBF, u"/"},     {0xC0, u"`"},     {0xDB, u"["},     {0xDC, u"\\"},    {0xDD, u"]"},
    {0xDE, u"'"},
};
constexpr uint8_t kKey0 = 0x30, kKey9 = 0x39, kKeyA = 0x41, kKeyZ = 0x5A;
constexpr uint8_t kNumPad0 = 0x60, kNumPad9 = 0x69, kF1 = 0x70, kF24 = 0x87;

struct TModifierName {
  TShortCut Bit;
  std::u16string_view Name;
};
constexpr TModifierName kModifiers[] = {{scShift, u"Shift+"}, {scCtrl, u"Ctrl+"}, {scAlt, u"Alt+"}};

std::u16string KeyName(uint8_t key) {
  if ((key >= kKey0 && key <= kKey9) || (key >= kKeyA && key <= kKeyZ)) return std::u16string(1, char16_t(key));
  if (key >= kNumPad0 && key <= kNumPad9) return u"Num " + std::u16string(1, char16_t(u'0' + key - kNumPad0));
  if (key >= kF1 && key <= kF24) {
    const int n = key - kF1 + 1;
    std::u16string name = u"F";
    if (n >= 10) name += char16_t(u'0' + n / 10);
    name += char16_t(u'0' + n % 10);
    return name;
  }
  for (const TKeyName& k : kKeyNames)
    if (k.Key == key) return std::u16string(k.Name);
  return {};
}

char16_t FoldCase(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

bool SameText(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (FoldCase(a[i]) != FoldCase(b[i])) return false;
  return true;
}

}  // namespace

std::u16string ShortCutToText(TShortCut shortCut) {
  const std::u16string key = KeyName(static_cast<uint8_t>(shortCut & kShortCutKeyMask));
  if (key.empty()) return {};
  std::u16string text;
  for (const TModifierName& m : kModifiers)
    if (shortCut & m.Bit) text += m.Name;
  return text + key;
}

TShortCut TextToShortCut(std::u16string_view text) {
  TShortCut modifiers = scNone;
  for (bool more = true; more;) {
    more = false;
    for (const TModifierName& m : kModifiers) {
      if (text.size() > m.Name.size() && SameText(text.substr(0, m.Name.size()), m.Name)) {
        modifiers |= m.Bit;
        text.remove_prefix(m.Name.size());
        more = true;
      }
    }
  }
  if (text.empty()) return scNone;
  for (int key = 1; key <= 0xFF; ++key) {
    const std::u16string name = KeyName(static_cast<uint8_t>(key));
    if (!name.empty() && SameText(name, text)) return MakeShortCut(static_cast<uint8_t>(key), modifiers);
  }
  return scNone;
}

}  // namespace qw
