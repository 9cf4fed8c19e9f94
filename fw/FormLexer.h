#pragma once
// The tokens of a form description: identifiers (dots included, so Font.Name is one token), integers
// with an optional minus sign, strings and one-character symbols. A string is a run of 'quoted' parts
// ('' stands for a quote; the text between the quotes is UTF-8) and #nnn UTF-16 code units, written
// next to each other or joined by + across lines. Comments run from // to the end of the line.
// Errors throw EFormLoadError naming the line.
#include <cstdint>
#include <string>
#include <string_view>

namespace qw {

struct TFormToken {
  enum class TKind { End, Ident, Integer, String, Symbol };
  TKind Kind = TKind::End;
  std::string Text;       // Ident: the identifier; Symbol: the character
  int64_t Integer = 0;    // Integer
  std::u16string String;  // String: the decoded text
  int Line = 1;

  bool IsSymbol(char c) const { return Kind == TKind::Symbol && Text[0] == c; }
  bool IsWord(std::string_view word) const { return Kind == TKind::Ident && Text == word; }
};

class TFormLexer {
 public:
  explicit TFormLexer(std::string_view text);

  const TFormToken& Peek() const { return FToken; }
  TFormToken Next();
  // The current token, which must be of `kind` ("expected <what>" otherwise); moves past it.
  TFormToken Take(TFormToken::TKind kind, const char* what);
  // Moves past the symbol `c` ("expected 'c'" otherwise).
  void TakeSymbol(char c);

 private:
  void SkipSpace();
  void Advance();
  void ReadInteger();
  void ReadString();
  void ReadQuoted(std::u16string& out);
  void ReadCharacterCode(std::u16string& out);
  bool AtStringPart() const;

  std::string_view FText;
  size_t FPos = 0;
  int FLine = 1;
  TFormToken FToken;
};

}  // namespace qw
