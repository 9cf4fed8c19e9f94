#pragma once
// Loading a skin for qxskin the way the engine loads it: a ".vlz" package or a skin folder.
#include <memory>
#include <string>
#include <vector>

#include "skin/data/SkinDescription.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"

namespace qw {

struct TQxMember {
  std::u16string Name;
  size_t Size = 0;
};

struct TQxSkin {
  bool IsPackage = false;
  std::u16string Folder;            // a folder skin's folder with its trailing separator
  std::vector<TQxMember> Members;   // package order (a folder: its files in name order)
  TqxSkinConvertor Reader;          // a package's members
  std::unique_ptr<TSkinDescription> Description;
  TSkinTables Tables;
  std::vector<std::string> Warnings;  // in the order the loader met them
  std::string Error;                  // empty when the skin loaded
};

// Reads the skin's members and description. Throws EQxFileError, ESkinError.
void OpenQxSkin(const std::u16string& path, TQxSkin& skin);
// Builds the tables with the real loader; a load error lands in skin.Error.
void BuildQxSkin(TQxSkin& skin);

}  // namespace qw
