#pragma once
// Enumerations of control properties that the framework and the portable layout maths of the skinned
// controls share: how a text sits in its rectangle, and the bevels of a panel.
namespace qw {

enum TAlignment : int { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment : int { taAlignTop, taAlignBottom, taVerticalCenter };
enum TBevelCut : int { bvNone, bvLowered, bvRaised, bvSpace };
// What an edit does to the case of typed letters.
enum TEditCharCase : int { ecNormal, ecUpperCase, ecLowerCase };

}  // namespace qw
