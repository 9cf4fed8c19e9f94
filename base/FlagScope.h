#pragma once
// Sets a flag for the length of a scope and gives it back its old value at the end, on every path out:
// nested scopes of the same flag leave it set until the outermost one ends.
namespace qw {

class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : FFlag(flag), FOld(flag) { flag = true; }
  ~TFlagScope() { FFlag = FOld; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& FFlag;
  bool FOld;
};

}  // namespace qw
