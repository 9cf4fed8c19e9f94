#include "fw/FormWriter.h"

#include "base/Utf.h"

namespace qw {

namespace {

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// Quoted runs of printable text, #nnn between them for what a quoted run cannot hold.
void WriteString(std::string& out, const std::u16string& s) {
  if (s.empty()) {
    out += "''";
    return;
  }
  bool quoted = false;
  for (size_t i = 0; i < s.size(); ++i) {
    const char16_t c = s[i];
    const bool pair = IsHighSurrogate(c) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]);
    if (c < 0x20 || c == 0x7F || (!pair && (IsHighSurrogate(c) || IsLowSurrogate(c)))) {
      if (quoted) out += '\'';
      quoted = false;
      out += '#' + std::to_string(static_cast<unsigned>(c));
      continue;
    }
    if (!quoted) out += '\'';
    quoted = true;
    if (c == u'\'') out += "''";
    else out += Utf16ToUtf8(std::u16string_view(s).substr(i, pair ? 2 : 1));
    if (pair) ++i;
  }
  if (quoted) out += '\'';
}

void WriteIndent(std::string& out, int level) { out.append(static_cast<size_t>(level) * 2, ' '); }

void WriteValue(std::string& out, const TFormValue& v, int level);

void WriteProperties(std::string& out, const std::vector<TFormProperty>& properties, int level) {
  for (const TFormProperty& p : properties) {
    WriteIndent(out, level);
    out += p.Name + " = ";
    WriteValue(out, p.Value, level);
    out += '\n';
  }
}

void WriteValue(std::string& out, const TFormValue& v, int level) {
  switch (v.Kind) {
    case TFormValue::TKind::Integer:
      out += std::to_string(v.Integer);
      return;
    case TFormValue::TKind::String:
      WriteString(out, v.String);
      return;
    case TFormValue::TKind::Identifier:
      out += v.Identifier;
      return;
    case TFormValue::TKind::Resource:
      out += "resource(";
      WriteString(out, v.String);
      out += ')';
      return;
    case TFormValue::TKind::Set:
      out += '[';
      for (size_t i = 0; i < v.Set.size(); ++i) out += (i ? ", " : "") + v.Set[i];
      out += ']';
      return;
    case TFormValue::TKind::List:
      out += '(';
      for (const TFormValue& item : v.List) {
        out += '\n';
        WriteIndent(out, level + 1);
        WriteValue(out, item, level + 1);
      }
      out += ')';
      return;
    case TFormValue::TKind::Collection:
      out += '<';
      for (const auto& item : v.Items) {
        out += '\n';
        WriteIndent(out, level + 1);
        out += "item\n";
        WriteProperties(out, item, level + 2);
        WriteIndent(out, level + 1);
        out += "end";
      }
      out += '>';
      return;
  }
}

void WriteObject(std::string& out, const TFormObject& object, int level) {
  WriteIndent(out, level);
  out += "object " + object.Name + ": " + object.ClassName + '\n';
  WriteProperties(out, object.Properties, level + 1);
  for (const TFormObject& child : object.Children) WriteObject(out, child, level + 1);
  WriteIndent(out, level);
  out += "end\n";
}

}  // namespace

std::string FormDescriptionText(const TFormObject& form) {
  std::string out;
  WriteObject(out, form, 0);
  return out;
}

}  // namespace qw
