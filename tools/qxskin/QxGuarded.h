#pragma once
// Every qxskin command reports a failure the same way: one line naming the input, exit code 1.
#include <new>
#include <stdexcept>
#include <string>

#include "base/Utf.h"
#include "tools/qxskin/QxFiles.h"
#include "tools/qxskin/QxSkinCommand.h"

namespace qw {

// Runs Body and turns every failure into the one-line error of the command.
template <typename F>
int Guarded(TQxContext& context, const std::u16string& input, F body) {
  try {
    return body();
  } catch (const EQxFileError& e) {
    return context.Fail(e.what());
  } catch (const std::bad_alloc&) {
    return context.Fail(Utf16ToUtf8(input) + ": out of memory");
  } catch (const std::exception& e) {
    return context.Fail(Utf16ToUtf8(input) + ": " + e.what());
  }
}

}  // namespace qw
