#include "fw/FormParser.h"

#include "fw/FormLexer.h"

namespace qw {

namespace {

using TKind = TFormToken::TKind;

class TFormParser {
 public:
  explicit TFormParser(std::string_view text) : FLexer(text) {}

  TFormObject ParseForm() {
    const TFormToken first = FLexer.Next();
    if (!first.IsWord("object")) FailFormLine(first.Line, "expected 'object'");
    TFormObject form = ParseObjectHead("the form's name", "the form's class");
    ParseObjectBody(form);
    if (FLexer.Peek().Kind != TKind::End) FailFormLine(FLexer.Peek().Line, "text after the form's 'end'");
    return form;
  }

 private:
  // Counts one level of nesting for as long as it lives.
  class TNest {
   public:
    TNest(int& depth, int line) : FDepth(depth) {
      if (++FDepth > kMaxFormNesting) FailFormLine(line, "nested too deeply");
    }
    ~TNest() { --FDepth; }
    TNest(const TNest&) = delete;
    TNest& operator=(const TNest&) = delete;

   private:
    int& FDepth;
  };

  // `Name: TClass`, after the word object.
  TFormObject ParseObjectHead(const char* nameWhat, const char* classWhat) {
    TFormObject object;
    const TFormToken name = FLexer.Take(TKind::Ident, nameWhat);
    object.Name = name.Text;
    object.Line = name.Line;
    FLexer.TakeSymbol(':');
    object.ClassName = FLexer.Take(TKind::Ident, classWhat).Text;
    return object;
  }

  // Properties and nested objects up to and including the object's `end`.
  void ParseObjectBody(TFormObject& object) {
    TNest nest(FDepth, object.Line);
    for (;;) {
      const TFormToken& t = FLexer.Peek();
      if (t.Kind == TKind::End) FailFormLine(t.Line, "missing 'end'");
      if (t.Kind != TKind::Ident) FailFormLine(t.Line, "expected a property, 'object' or 'end'");
      if (t.Text == "end") {
        FLexer.Next();
        return;
      }
      if (t.Text == "object") {
        FLexer.Next();
        TFormObject& child = object.Children.emplace_back(ParseObjectHead("a component name", "a class name"));
        ParseObjectBody(child);
        continue;
      }
      object.Properties.push_back(ParseProperty());
    }
  }

  TFormProperty ParseProperty() {
    TFormProperty property;
    TFormToken name = FLexer.Next();
    property.Name = std::move(name.Text);
    property.Line = name.Line;
    FLexer.TakeSymbol('=');
    property.Value = ParseValue();
    return property;
  }

  TFormValue ParseValue() {
    TFormValue value;
    TFormToken t = FLexer.Next();
    value.Line = t.Line;
    switch (t.Kind) {
      case TKind::Integer:
        value.Kind = TFormValue::TKind::Integer;
        value.Integer = t.Integer;
        return value;
      case TKind::String:
        value.Kind = TFormValue::TKind::String;
        value.String = std::move(t.String);
        return value;
      case TKind::Ident:
        // A forgotten value must not swallow the `end` or `object` that follows it.
        if (t.Text == "end" || t.Text == "object") break;
        if (t.Text == "resource") {
          FLexer.TakeSymbol('(');
          value.Kind = TFormValue::TKind::Resource;
          value.String = FLexer.Take(TKind::String, "a resource name").String;
          FLexer.TakeSymbol(')');
          return value;
        }
        value.Kind = TFormValue::TKind::Identifier;
        value.Identifier = std::move(t.Text);
        return value;
      case TKind::Symbol:
        if (t.IsSymbol('[')) return ParseSet(std::move(value));
        if (t.IsSymbol('(')) return ParseList(std::move(value));
        if (t.IsSymbol('<')) return ParseCollection(std::move(value));
        break;
      case TKind::End:
        break;
    }
    FailFormLine(t.Line, "expected a value");
  }

  // [a, b]: identifiers, the commas optional.
  TFormValue ParseSet(TFormValue value) {
    value.Kind = TFormValue::TKind::Set;
    while (!FLexer.Peek().IsSymbol(']')) {
      value.Set.push_back(FLexer.Take(TKind::Ident, "a set element").Text);
      if (FLexer.Peek().IsSymbol(',')) FLexer.Next();
    }
    FLexer.Next();
    return value;
  }

  // (v1 v2 ...): any values, lists included.
  TFormValue ParseList(TFormValue value) {
    TNest nest(FDepth, value.Line);
    value.Kind = TFormValue::TKind::List;
    while (!FLexer.Peek().IsSymbol(')')) {
      if (FLexer.Peek().Kind == TKind::End) FailFormLine(FLexer.Peek().Line, "unterminated list");
      value.List.push_back(ParseValue());
    }
    FLexer.Next();
    return value;
  }

  // < item P = v ... end item ... end >
  TFormValue ParseCollection(TFormValue value) {
    TNest nest(FDepth, value.Line);
    value.Kind = TFormValue::TKind::Collection;
    while (!FLexer.Peek().IsSymbol('>')) {
      const TFormToken item = FLexer.Next();
      if (!item.IsWord("item")) FailFormLine(item.Line, "expected 'item' or '>'");
      std::vector<TFormProperty>& properties = value.Items.emplace_back();
      for (;;) {
        const TFormToken& t = FLexer.Peek();
        if (t.Kind != TKind::Ident) FailFormLine(t.Line, "expected a property or 'end'");
        if (t.Text == "end") break;
        properties.push_back(ParseProperty());
      }
      FLexer.Next();
    }
    FLexer.Next();
    return value;
  }

  TFormLexer FLexer;
  int FDepth = 0;
};

}  // namespace

TFormObject ParseFormDescription(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  return TFormParser(text).ParseForm();
}

}  // namespace qw
