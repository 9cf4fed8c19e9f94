#include "skin/core/ControlClass.h"

#include <bitset>
#include <initializer_list>
#include <utility>

namespace qw {

namespace {

// A set over 0..255 written as single codes and inclusive ranges.
using TClassSet = std::bitset<256>;

TClassSet MakeSet(std::initializer_list<std::pair<int, int>> ranges) {
  TClassSet set;
  for (const auto& [first, last] : ranges)
    for (int c = first; c <= last; ++c) set.set(static_cast<size_t>(c));
  return set;
}

bool Contains(const TClassSet& set, int coc) { return coc >= 0 && coc < 256 && set.test(static_cast<size_t>(coc)); }

const TClassSet& SkinColoredSet() {
  static const TClassSet set = MakeSet({{2, 18}, {41, 41}, {76, 84}, {96, 96}, {131, 140}});
  return set;
}

const TClassSet& UntrackedSet() {
  static const TClassSet set = MakeSet({{19, 19}, {51, 74}, {110, 110}, {141, 161}});
  return set;
}

const TClassSet& NoGlowSet() {
  static const TClassSet set = MakeSet({{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141},
                                        {143, 143}, {151, 151}, {161, 161}, {226, 226}});
  return set;
}

// One run of codes and the section they default to.
struct TDefaultSection {
  int First, Last;
  std::u16string_view Section;
};

}  // namespace

std::u16string_view DefaultSectionOfClass(int coc) {
  static constexpr TDefaultSection table[] = {
      {2, 8, u"EDIT"},          {10, 10, u"EDIT"},        {41, 41, u"EDIT"},         {76, 76, u"EDIT"},
      {78, 78, u"EDIT"},        {83, 85, u"EDIT"},        {96, 96, u"EDIT"},         {131, 131, u"EDIT"},
      {140, 140, u"EDIT"},      {227, 227, u"EDIT"},      {11, 18, u"COMBOBOX"},     {81, 82, u"COMBOBOX"},
      {19, 19, u"BAR"},         {20, 20, u"BARTITLE"},    {32, 33, u"CHECKBOX"},     {152, 152, u"CHECKBOX"},
      {51, 51, u"PANEL"},       {59, 59, u"PANEL"},       {68, 68, u"PANEL"},        {73, 73, u"PANEL"},
      {52, 52, u"PANEL_LOW"},   {58, 58, u"PANEL_LOW"},   {53, 54, u"TOOLBAR"},      {60, 60, u"TOOLBAR"},
      {56, 56, u"DRAGBAR"},     {57, 57, u"TABSHEET"},    {74, 74, u"GROUPBOX"},     {226, 226, u"GROUPBOX"},
      {75, 75, u"SPLITTER"},    {92, 92, u"SPEEDBUTTON"}, {95, 95, u"SPEEDBUTTON"},  {93, 94, u"BUTTON"},
      {98, 98, u"TOOLBUTTON"},  {141, 141, u"PAGECONTROL"}, {143, 143, u"PAGECONTROL"}, {151, 151, u"STATUSBAR"},
      {161, 161, u"GAUGE"},     {165, 165, u"TRACKBAR"},
  };
  for (const TDefaultSection& entry : table)
    if (coc >= entry.First && coc <= entry.Last) return entry.Section;
  return {};
}

bool IsSkinColoredClass(int coc) { return Contains(SkinColoredSet(), coc); }
bool IsUntrackedClass(int coc) { return Contains(UntrackedSet(), coc); }
bool IsNoGlowClass(int coc) { return Contains(NoGlowSet(), coc) || (coc >= 92 && coc <= 94); }

}  // namespace qw
