#include "tools/qxskin/QxSkinLoad.h"

#include <algorithm>

#include "base/Utf.h"
#include "skin/data/CodePage.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"
#include "image/ImageError.h"
#include "tools/qxskin/QxFiles.h"

namespace qw {

void OpenQxSkin(const std::u16string& path, TQxSkin& skin) {
  TSkinFileSystem& fs = SystemSkinFileSystem();
  if (fs.DirectoryExists(path)) {
    skin.IsPackage = false;
    skin.Folder = path;
    if (skin.Folder.back() != u'/' && skin.Folder.back() != u'\\') skin.Folder += u'/';
    for (const TSkinDirEntry& e : fs.ListDirectory(path)) {
      if (e.IsDirectory) continue;
      auto bytes = fs.ReadFile(skin.Folder + e.Name);
      skin.Members.push_back({e.Name, bytes ? bytes->size() : 0});
    }
    std::sort(skin.Members.begin(), skin.Members.end(),
              [](const TQxMember& a, const TQxMember& b) { return a.Name < b.Name; });
    // The description is found whatever the case of its name, as the engine finds it and as a package
    // holds it ("options.DAT" unpacked from one keeps that spelling); the exact name wins a tie.
    const std::vector<TQxMember>& members = skin.Members;
    auto found = std::ranges::find(members, std::u16string(u"Options.dat"), &TQxMember::Name);
    if (found == members.end())
      found = std::ranges::find_if(members, [](const TQxMember& m) { return UpperName(m.Name) == u"OPTIONS.DAT"; });
    const std::u16string optionsName = found != members.end() ? found->Name : u"Options.dat";
    std::vector<uint8_t> options = ReadWholeFile(skin.Folder + optionsName);
    skin.Description = std::make_unique<TSkinDescription>(TSkinDescription::Parse(options));
    return;
  }
  skin.IsPackage = true;
  skin.Reader.OwnedPackedData = ReadWholeFile(path);
  skin.Reader.PackedData = skin.Reader.OwnedPackedData;
  UnpackSkinPackage(skin.Reader);
  size_t image = 0;
  int members = skin.Reader.ImageCount + 1;
  for (int i = 0; i < members; ++i) {
    if (i == skin.Reader.OptionsIndex)
      skin.Members.push_back({CodePageToUtf16(skin.Reader.OptionsName), skin.Reader.Options.size()});
    else if (image < skin.Reader.Files.size()) {
      const TqxImageItem& f = skin.Reader.Files[image++];
      skin.Members.push_back({CodePageToUtf16(f.FileName), f.FileStream.size()});
    }
  }
  skin.Description = std::make_unique<TSkinDescription>(TSkinDescription::Parse(skin.Reader.Options));
}

void BuildQxSkin(TQxSkin& skin) {
  TSkinBuildContext ctx;
  ctx.System = &SystemSkinSystem();
  ctx.Warn = [&](const std::string& w) { skin.Warnings.push_back(w); };
  try {
    if (skin.IsPackage) {
      TPackageImageSource images(skin.Reader);
      skin.Tables = BuildSkinTables(*skin.Description, images, ctx);
    } else {
      TFolderImageSource images(SystemSkinFileSystem(), skin.Folder);
      skin.Tables = BuildSkinTables(*skin.Description, images, ctx);
    }
  } catch (const std::exception& e) {
    skin.Error = e.what();
  }
}

}  // namespace qw
