#include "skin/data/SkinDescription.h"

#include <algorithm>

#include "base/IntParse.h"
#include "base/Utf.h"
#include "skin/data/CodePage.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"

namespace qw {

std::string InvalidIntegerText(const std::u16string& value) {
  return "'" + Utf16ToUtf8(value) + "' is not a valid integer value";
}

std::u16string_view TrimBlanks(std::u16string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] <= u' ') ++b;
  while (e > b && s[e - 1] <= u' ') --e;
  return s.substr(b, e - b);
}

const std::u16string* TDescSection::Find(std::u16string_view key) const {
  auto it = KeyIndex.find(key);
  return it == KeyIndex.end() ? nullptr : &Entries[it->second].Value;
}

TSkinDescription TSkinDescription::Parse(std::span<const uint8_t> bytes) {
  const uint8_t* p = bytes.data();
  size_t n = bytes.size();
  if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
    return ParseText(Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(p + 3), n - 3)));
  if (n >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
    bool little = p[0] == 0xFF;
    std::u16string text;
    text.reserve((n - 2) / 2);
    for (size_t i = 2; i + 1 < n; i += 2)
      text.push_back(static_cast<char16_t>(little ? (p[i] | p[i + 1] << 8) : (p[i] << 8 | p[i + 1])));
    return ParseText(text);
  }
  return ParseText(CodePageToUtf16(std::string_view(reinterpret_cast<const char*>(p), n)));
}

TSkinDescription TSkinDescription::ParseText(std::u16string_view text) {
  TSkinDescription d;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find_first_of(u"\r\n", pos);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string_view line = TrimBlanks(text.substr(pos, end - pos));
    pos = end;
    if (pos < text.size() && text[pos] == u'\r') ++pos;
    if (pos < text.size() && text[pos] == u'\n') ++pos;

    if (line.empty() || line[0] == u';') continue;
    if (line.size() >= 2 && line.front() == u'[' && line.back() == u']') {
      TDescSection s;
      s.Name = std::u16string(TrimBlanks(line.substr(1, line.size() - 2)));
      d.FSectionIndex.try_emplace(s.Name, static_cast<uint32_t>(d.FSections.size()));
      d.FSections.push_back(std::move(s));
      continue;
    }
    if (d.FSections.empty()) continue;
    TDescSection& s = d.FSections.back();
    size_t eq = line.find(u'=');
    TDescEntry e;
    if (eq == std::u16string_view::npos) {
      e.Key = std::u16string(line);
    } else {
      e.Key = std::u16string(TrimBlanks(line.substr(0, eq)));
      e.Value = std::u16string(TrimBlanks(line.substr(eq + 1)));
    }
    s.KeyIndex.try_emplace(e.Key, static_cast<uint32_t>(s.Entries.size()));
    s.Entries.push_back(std::move(e));
  }
  d.ResolveParents();
  return d;
}

void TSkinDescription::ResolveParents() {
  FParent.assign(FSections.size(), -1);
  for (size_t i = 0; i < FSections.size(); ++i) {
    const std::u16string* parent = FSections[i].Find(u"PARENTCLASS");
    if (!parent || parent->empty() || *parent == u"?" || *parent == FSections[i].Name) continue;
    auto it = FSectionIndex.find(*parent);
    if (it != FSectionIndex.end()) FParent[i] = static_cast<int32_t>(it->second);
  }
}

const TDescSection* TSkinDescription::FindSection(std::u16string_view name) const {
  auto it = FSectionIndex.find(name);
  return it == FSectionIndex.end() ? nullptr : &FSections[it->second];
}

const std::u16string* TSkinDescription::Find(std::u16string_view section, std::u16string_view key) const {
  const TDescSection* s = FindSection(section);
  return s ? s->Find(key) : nullptr;
}

std::u16string TSkinDescription::ReadString(std::u16string_view section, std::u16string_view key,
                                            std::u16string_view fallback) const {
  const std::u16string* v = Find(section, key);
  return std::u16string(v ? std::u16string_view(*v) : fallback);
}

int32_t TSkinDescription::ReadInteger(std::u16string_view section, std::u16string_view key,
                                      int32_t fallback) const {
  const std::u16string* v = Find(section, key);
  return v ? LenientInt(*v, fallback) : fallback;
}

TSkinDescription TSkinDescription::MergedWith(const TSkinDescription& extra) const {
  TSkinDescription d = *this;
  for (const TDescSection& x : extra.FSections) {
    auto it = d.FSectionIndex.find(x.Name);
    if (it == d.FSectionIndex.end()) {
      d.FSectionIndex.emplace(x.Name, static_cast<uint32_t>(d.FSections.size()));
      d.FSections.push_back(x);
      continue;
    }
    TDescSection& s = d.FSections[it->second];
    std::vector<TDescEntry> entries = x.Entries;
    entries.insert(entries.end(), s.Entries.begin(), s.Entries.end());
    s.Entries = std::move(entries);
    s.KeyIndex.clear();
    for (size_t i = 0; i < s.Entries.size(); ++i) s.KeyIndex.try_emplace(s.Entries[i].Key, static_cast<uint32_t>(i));
  }
  d.ResolveParents();
  return d;
}

int32_t StrictInt(std::u16string_view text) {
  auto v = TryStrToInt(text);
  if (!v) throw ESkinError(InvalidIntegerText(std::u16string(text)));
  return *v;
}

int32_t LenientInt(std::u16string_view text, int32_t fallback) { return TryStrToInt(text).value_or(fallback); }

uint32_t ColorToRGB(int32_t color, TSkinSystem& sys) {
  return color < 0 ? sys.SysColor(color & 0xFF) : static_cast<uint32_t>(color);
}

namespace {

// The first value of Key in Section or, failing that, in its parents, skipping values Absent calls
// absent. A chain that comes back on itself ends after visiting every section once. InParent tells
// whether the value came from a parent.
template <typename AbsentFn>
const std::u16string* FindInherited(const TSkinDescription& d, std::u16string_view section, std::u16string_view key,
                                    AbsentFn absent, bool& inParent) {
  const TDescSection* s = d.FindSection(section);
  inParent = false;
  for (size_t steps = 0; s && steps <= d.Sections().size(); ++steps) {
    const std::u16string* v = s->Find(key);
    if (v && !absent(*v)) return v;
    s = d.Parent(*s);
    inParent = true;
  }
  return nullptr;
}

}  // namespace

int32_t ReadInheritedInteger(const TSkinDescription& d, TSkinSystem& sys, std::u16string_view section,
                             std::u16string_view key, int32_t fallback) {
  bool inParent = false;
  const std::u16string* v =
      FindInherited(d, section, key, [](const std::u16string& t) { return LenientInt(t, -1) == -1; }, inParent);
  if (!v) return fallback;
  int32_t n = LenientInt(*v, -1);
  // Values taken over from a parent arrive as plain RGB.
  return inParent ? static_cast<int32_t>(ColorToRGB(n, sys)) : n;
}

std::u16string ReadInheritedString(const TSkinDescription& d, std::u16string_view section,
                                   std::u16string_view key, std::u16string_view fallback) {
  bool inParent = false;
  const std::u16string* v = FindInherited(d, section, key, [](const std::u16string& t) { return t == u"?"; }, inParent);
  return v ? *v : std::u16string(fallback);
}

bool ReadInheritedBool(const TSkinDescription& d, std::u16string_view section, std::u16string_view key) {
  std::u16string v = ReadInheritedString(d, section, key, u"0");
  for (char16_t& c : v)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return v == u"1" || v == u"TRUE";
}

}  // namespace qw
