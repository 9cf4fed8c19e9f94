#pragma once
// The syntax of a form description, apart from what its classes and properties mean:
//
//   object Form1: TForm1            objects nest; each ends with `end`
//     Caption = 'Qwillet 1.0'       integers, strings, identifiers
//     BorderIcons = [biSystemMenu]  sets of identifiers
//     Items.Strings = ('a' 'b')     lists of values
//     Icon = resource('MAINICON')   binary resources of the program
//     Skins = < item Name = 'x' end >   collections of items
//     object Button1: TButton ... end
//   end
//
// Parsing gives the tree of objects; the framework's reader then creates the components from it.
#include <string>
#include <string_view>
#include <vector>

#include "fw/FormValue.h"

namespace qw {

// One `object Name: TClass ... end` block.
struct TFormObject {
  std::string Name;
  std::string ClassName;
  int Line = 0;                           // the line of the name
  std::vector<TFormProperty> Properties;  // in the order written
  std::vector<TFormObject> Children;      // the objects nested in it, in the order written
};

// How deep objects, lists and collections may nest inside each other; deeper text is an error rather
// than a stack that runs out.
inline constexpr int kMaxFormNesting = 64;

// Parses a whole description: exactly one object (the form), with nothing after its `end` but spaces and
// comments. A UTF-8 byte-order mark at the start is skipped. Every syntax error throws EFormLoadError
// naming its line.
TFormObject ParseFormDescription(std::string_view text);

}  // namespace qw
