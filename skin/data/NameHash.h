#pragma once
// Hash and equality for the maps that find sections, keys and masks by name.
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace qw {

// Hash-map keys looked up with views, so a lookup allocates nothing.
struct TNameHash {
  using is_transparent = void;
  size_t operator()(std::u16string_view s) const noexcept { return std::hash<std::u16string_view>{}(s); }
  size_t operator()(const std::pair<std::u16string_view, std::u16string_view>& k) const noexcept {
    return (*this)(k.first) * 31 + (*this)(k.second);
  }
  size_t operator()(const std::pair<std::u16string, std::u16string>& k) const noexcept {
    return (*this)(std::u16string_view(k.first)) * 31 + (*this)(std::u16string_view(k.second));
  }
};
struct TNameEqual {
  using is_transparent = void;
  template <typename A, typename B>
  bool operator()(const A& a, const B& b) const noexcept {
    if constexpr (requires { a.first; })
      return std::u16string_view(a.first) == std::u16string_view(b.first) &&
             std::u16string_view(a.second) == std::u16string_view(b.second);
    else
      return std::u16string_view(a) == std::u16string_view(b);
  }
};

}  // namespace qw
