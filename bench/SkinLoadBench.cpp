// Loading a skin package (unpack, parse, decode images, build every table) beside a bare inflate of the
// same package's members, for the two skins the program ships (packed here from skins/ in memory).
// Counters: TablesKiB is what a loaded skin keeps (BitmapsKiB of it pixels); PeakKiB the most heap the
// load held at once.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>

#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"

namespace {

std::atomic<int64_t> GLive{0}, GPeak{0};

void Count(void* p) {
  if (!p) return;
  int64_t now = GLive += static_cast<int64_t>(malloc_usable_size(p));
  int64_t peak = GPeak.load();
  while (now > peak && !GPeak.compare_exchange_weak(peak, now)) {
  }
}

}  // namespace

// The replacements below pair malloc with free themselves; the compiler cannot see that.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(size_t n) {
  void* p = std::malloc(n ? n : 1);
  if (!p) throw std::bad_alloc();
  Count(p);
  return p;
}
void operator delete(void* p) noexcept {
  if (p) GLive -= static_cast<int64_t>(malloc_usable_size(p));
  std::free(p);
}
void operator delete(void* p, size_t) noexcept { operator delete(p); }
#pragma GCC diagnostic pop

namespace {

std::vector<uint8_t> PackFolder(const std::string& name) {
  std::vector<qw::TPackageMember> members;
  for (const auto& e : std::filesystem::directory_iterator(std::string(QW_SKINS_DIR) + "/" + name)) {
    if (!e.is_regular_file()) continue;
    std::ifstream in(e.path(), std::ios::binary);
    members.push_back({e.path().filename().string(), std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {})});
  }
  return qw::WriteSkinPackage(std::move(members));
}

const std::vector<uint8_t>& Package(int which) {
  static const std::vector<uint8_t> flat = PackFolder("Flatline"), metro = PackFolder("MetroUI");
  return which == 0 ? flat : metro;
}

int32_t Int32At(const uint8_t* p) { return static_cast<int32_t>(p[0] | p[1] << 8 | p[2] << 16 | uint32_t{p[3]} << 24); }

// What any reader of the format must do at least: walk the members and inflate each one.
size_t BareInflate(const std::vector<uint8_t>& pkg, std::vector<uint8_t>& out) {
  const uint8_t* p = pkg.data() + 8;
  size_t total = 0;
  for (int32_t i = 0, n = Int32At(pkg.data() + 4); i < n; ++i) {
    p += 4 + Int32At(p);
    size_t size = static_cast<size_t>(Int32At(p));
    p += 4;
    out.resize(size);
    z_stream zs{};
    inflateInit(&zs);
    zs.next_in = const_cast<Bytef*>(p);
    zs.avail_in = static_cast<uInt>(pkg.data() + pkg.size() - p);
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(size);
    inflate(&zs, Z_FINISH);
    p += zs.total_in;
    total += zs.total_out;
    inflateEnd(&zs);
  }
  return total;
}

qw::TSkinTables Load(const std::vector<uint8_t>& pkg) {
  qw::TqxSkinConvertor reader;
  reader.BorrowPackedData(pkg);
  qw::UnpackSkinPackage(reader);
  qw::TPackageImageSource images(reader);
  qw::TSkinBuildContext ctx;
  ctx.System = &qw::SystemSkinSystem();
  return qw::BuildSkinTables(qw::TSkinDescription::Parse(reader.Options), images, ctx);
}

void BM_LoadSkin(benchmark::State& state) {
  const std::vector<uint8_t>& pkg = Package(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    qw::TSkinTables t = Load(pkg);
    benchmark::DoNotOptimize(t.gd.data());
  }
  int64_t before = GLive;
  GPeak = before;
  qw::TSkinTables kept = Load(pkg);
  // Bitmap pixels come from aligned_alloc, not operator new: they are added from the tables themselves
  // (they are all alive at the end of the load, so they add to the peak as well).
  size_t pixels = kept.MasterBitmap.PixelCount();
  for (const qw::TsMaskData& m : kept.ma) pixels += m.Bmp ? m.Bmp->PixelCount() : 0;
  for (const qw::TsPatternData& p : kept.pa) pixels += p.Img->PixelCount();
  double bitmapKiB = static_cast<double>(pixels) * 4 / 1024;
  state.counters["PeakKiB"] = static_cast<double>(GPeak - before) / 1024 + bitmapKiB;
  state.counters["TablesKiB"] = static_cast<double>(GLive - before) / 1024 + bitmapKiB;
  state.counters["BitmapsKiB"] = bitmapKiB;
  state.counters["PackageKiB"] = static_cast<double>(pkg.size()) / 1024;
}

void BM_BareInflate(benchmark::State& state) {
  const std::vector<uint8_t>& pkg = Package(static_cast<int>(state.range(0)));
  std::vector<uint8_t> out;
  for (auto _ : state) benchmark::DoNotOptimize(BareInflate(pkg, out));
}

BENCHMARK(BM_BareInflate)->Arg(0)->Arg(1)->ArgName("Flatline0_MetroUI1");
BENCHMARK(BM_LoadSkin)->Arg(0)->Arg(1)->ArgName("Flatline0_MetroUI1");

}  // namespace

BENCHMARK_MAIN();
