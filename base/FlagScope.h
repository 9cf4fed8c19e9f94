#pragma once
// A flag set for the length of a scope: raised on entry, given back its earlier value on every way out,
// so nested scopes over the same flag leave it as the outermost found it.
namespace qw {

class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : FFlag(flag), FOld(flag) { FFlag = true; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};

}  // namespace qw
