#include "skin/data/SkinPackage.h"

#include <gtest/gtest.h>

#include "skin/data/SkinError.h"
#include "tests/data/SkinTestUtil.h"

namespace qw {
namespace {

using test::Bytes;

TqxSkinConvertor Unpack(const std::vector<uint8_t>& pkg) {
  TqxSkinConvertor r;
  r.BorrowPackedData(pkg);
  UnpackSkinPackage(r);
  return r;
}

std::string UnpackError(const std::vector<uint8_t>& pkg) {
  TqxSkinConvertor r;
  r.BorrowPackedData(pkg);
  try {
    UnpackSkinPackage(r);
  } catch (const ESkinError& e) {
    EXPECT_TRUE(r.Files.empty());
    EXPECT_FALSE(r.HasOptions);
    return e.what();
  }
  return "";
}

void PutInt32(std::vector<uint8_t>& b, size_t at, int32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i));
}

TEST(SkinPackage, MembersInAnyOrderAndAnyCaseUnpackAlike) {
  std::vector<TPackageMember> m = {{"Close.png", Bytes("png")},
                                   {"ButtonHuge.BMP", Bytes("bmp1")},
                                   {"Master.bmp", Bytes("bmp2")},
                                   {"options.DAT", Bytes("[GLOBALINFO]")},
                                   {"RectHint1.PNG", Bytes("")}};
  std::vector<uint8_t> pkg = WriteSkinPackageRaw(m);
  pkg.insert(pkg.end(), {1, 2, 3, 4, 5, 6, 7});  // trailing bytes change nothing
  TqxSkinConvertor r = Unpack(pkg);
  EXPECT_EQ(std::string(r.Options.begin(), r.Options.end()), "[GLOBALINFO]");
  EXPECT_EQ(r.ImageCount, 4);
  ASSERT_EQ(r.Files.size(), 4u);
  EXPECT_EQ(r.Files[0].FileName, "Close.png");
  EXPECT_FALSE(r.Files[0].IsBitmap);
  EXPECT_TRUE(r.Files[1].IsBitmap);
  EXPECT_TRUE(r.Files[2].IsBitmap);
  EXPECT_FALSE(r.Files[3].IsBitmap);
  EXPECT_TRUE(r.Files[3].FileStream.empty());
  // Names are found by upper-cased member name equal to the name as written.
  ASSERT_NE(r.FindImage(u"CLOSE.PNG"), nullptr);
  EXPECT_EQ(r.FindImage(u"CLOSE.PNG")->FileName, "Close.png");
  EXPECT_EQ(r.FindImage(u"close.png"), nullptr);
  EXPECT_EQ(r.FindImage(u"MASTER.BMP")->FileStream, Bytes("bmp2"));
}

TEST(SkinPackage, WriterIsCanonical) {
  std::vector<TPackageMember> a = {{"b.png", Bytes("B")}, {"Options.dat", Bytes("O")}, {"a.bmp", Bytes("A")}};
  std::vector<TPackageMember> b = {{"a.bmp", Bytes("A")}, {"b.png", Bytes("B")}, {"Options.dat", Bytes("O")}};
  std::vector<uint8_t> pa = WriteSkinPackage(a), pb = WriteSkinPackage(b);
  EXPECT_EQ(pa, pb);
  TqxSkinConvertor r = Unpack(pa);
  ASSERT_EQ(r.Files.size(), 2u);
  EXPECT_EQ(r.Files[0].FileName, "a.bmp");
  // Options.dat comes first, with zlib's default-level header.
  EXPECT_EQ(pa[12], 'O');
  EXPECT_EQ(pa[12 + 11 + 4], 0x78);
  EXPECT_EQ(pa[12 + 11 + 5], 0x9C);
}

TEST(SkinPackage, DamagedPackagesFailCleanly) {
  std::vector<uint8_t> good = WriteSkinPackage(test::SampleMembers());
  EXPECT_EQ(UnpackError(Bytes("VLzF\1\0\0\0")), "Loaded data is not a packed Velloran file");
  EXPECT_EQ(UnpackError({}), "Loaded data is not a packed Velloran file");
  // Cut at every length: never a crash, always an error.
  for (size_t n = 0; n < good.size(); ++n) {
    std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    EXPECT_NE(UnpackError(cut), "") << "cut at " << n;
  }
  // Counts and sizes that lie.
  auto with = [&](size_t at, int32_t v) {
    std::vector<uint8_t> b = good;
    PutInt32(b, at, v);
    return b;
  };
  for (int32_t count : {0, -1, 5, 0x7FFFFFFF}) EXPECT_NE(UnpackError(with(4, count)), "") << count;
  EXPECT_NE(UnpackError(with(8, -1)), "");           // name length
  EXPECT_NE(UnpackError(with(8, 0x7FFFFFF0)), "");   // name length beyond the end
  size_t sizeAt = 12 + 11;
  int32_t real = static_cast<int32_t>(test::SampleDescription().size());
  for (int32_t size : {-1, real - 1, real + 1, 0x7FFFFFFF})
    EXPECT_NE(UnpackError(with(sizeAt, size)), "") << size;
  // A corrupt stream.
  std::vector<uint8_t> bad = good;
  for (size_t i = sizeAt + 6; i < sizeAt + 30; ++i) bad[i] ^= 0x5A;
  EXPECT_NE(UnpackError(bad), "");
  // No description at all.
  EXPECT_EQ(UnpackError(WriteSkinPackageRaw({{"Master.bmp", Bytes("x")}})), "Skin package has no Options.dat.");
}

TEST(SkinPackage, LoadFileLeavesReaderAloneWhenMissingAndDropsBytes) {
  test::TFakeFileSystem fs;
  std::unique_ptr<TqxSkinConvertor> reader;
  LoadSkinPackageFile(fs, u"c:\\Skins\\None.vlz", reader);
  EXPECT_EQ(reader, nullptr);
  fs.Add(u"c:\\Skins\\A.vlz", WriteSkinPackage(test::SampleMembers()));
  LoadSkinPackageFile(fs, u"c:\\Skins\\A.vlz", reader);
  ASSERT_NE(reader, nullptr);
  EXPECT_TRUE(reader->PackedData.empty());
  EXPECT_TRUE(reader->OwnedPackedData.empty());
  EXPECT_EQ(reader->Files.size(), 3u);
  fs.Add(u"c:\\Skins\\Bad.vlz", Bytes("nonsense"));
  EXPECT_THROW(LoadSkinPackageFile(fs, u"c:\\Skins\\Bad.vlz", reader), ESkinError);
  EXPECT_EQ(reader, nullptr);
}

}  // namespace
}  // namespace qw
