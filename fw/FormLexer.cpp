#include "fw/FormLexer.h"

#include <charconv>

#include "base/Utf.h"
#include "fw/FormValue.h"

namespace qw {

namespace {

// ASCII only: the description's names are ASCII, and a locale must not change what is a letter.
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentChar(char c) { return IsLetter(c) || IsDigit(c) || c == '.'; }

}  // namespace

TFormLexer::TFormLexer(std::string_view text) : FText(text) { Advance(); }

TFormToken TFormLexer::Next() {
  TFormToken t = std::move(FToken);
  Advance();
  return t;
}

TFormToken TFormLexer::Take(TFormToken::TKind kind, const char* what) {
  if (FToken.Kind != kind) FailFormLine(FToken.Line, std::string("expected ") + what);
  return Next();
}

void TFormLexer::TakeSymbol(char c) {
  if (!FToken.IsSymbol(c)) FailFormLine(FToken.Line, std::string("expected '") + c + "'");
  Advance();
}

void TFormLexer::SkipSpace() {
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

void TFormLexer::Advance() {
  SkipSpace();
  FToken = TFormToken{};
  FToken.Line = FLine;
  if (FPos >= FText.size()) return;
  const char c = FText[FPos];
  if (IsLetter(c)) {
    const size_t start = FPos;
    while (FPos < FText.size() && IsIdentChar(FText[FPos])) ++FPos;
    FToken.Kind = TFormToken::TKind::Ident;
    FToken.Text = std::string(FText.substr(start, FPos - start));
  } else if (IsDigit(c) || (c == '-' && FPos + 1 < FText.size() && IsDigit(FText[FPos + 1]))) {
    ReadInteger();
  } else if (AtStringPart()) {
    ReadString();
  } else {
    FToken.Kind = TFormToken::TKind::Symbol;
    FToken.Text = std::string(1, c);
    ++FPos;
  }
}

void TFormLexer::ReadInteger() {
  const size_t start = FPos++;
  while (FPos < FText.size() && IsDigit(FText[FPos])) ++FPos;
  // 12px is a mistake, not the number 12 followed by a name.
  if (FPos < FText.size() && IsIdentChar(FText[FPos])) FailFormLine(FLine, "bad number");
  FToken.Kind = TFormToken::TKind::Integer;
  const auto [end, error] = std::from_chars(FText.data() + start, FText.data() + FPos, FToken.Integer);
  (void)end;
  if (error != std::errc()) FailFormLine(FLine, "integer out of range");
}

bool TFormLexer::AtStringPart() const {
  return FPos < FText.size() && (FText[FPos] == '\'' || FText[FPos] == '#');
}

void TFormLexer::ReadString() {
  FToken.Kind = TFormToken::TKind::String;
  for (;;) {
    while (AtStringPart()) {
      if (FText[FPos] == '\'') ReadQuoted(FToken.String);
      else ReadCharacterCode(FToken.String);
    }
    // A + continues the string, on the same line or the next.
    const size_t save = FPos;
    const int saveLine = FLine;
    SkipSpace();
    if (FPos >= FText.size() || FText[FPos] != '+') {
      FPos = save;
      FLine = saveLine;
      return;
    }
    ++FPos;
    SkipSpace();
    if (!AtStringPart()) FailFormLine(FLine, "expected a string after '+'");
  }
}

void TFormLexer::ReadQuoted(std::u16string& out) {
  ++FPos;  // the opening quote
  std::string utf8;
  for (;;) {
    if (FPos >= FText.size() || FText[FPos] == '\n') FailFormLine(FLine, "unterminated string");
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
  out += Utf8ToUtf16(utf8);
}

// #nnn is one UTF-16 code unit, so a character beyond the BMP is written as its two surrogates and they
// join again here.
void TFormLexer::ReadCharacterCode(std::u16string& out) {
  ++FPos;  // the #
  uint32_t code = 0;
  size_t digits = 0;
  while (FPos < FText.size() && IsDigit(FText[FPos])) {
    if (code <= 0xFFFF) code = code * 10 + static_cast<uint32_t>(FText[FPos] - '0');
    ++FPos;
    ++digits;
  }
  if (digits == 0 || code > 0xFFFF) FailFormLine(FLine, "bad character code");
  out.push_back(static_cast<char16_t>(code));
}

}  // namespace qw
