#pragma once
// The multi-line text box: a word-wrapping EDIT with a vertical scroll bar. Tab moves the focus on.
#include <string>

#include "fw/Edit.h"

namespace qw {

class TMemo : public TEdit {
 public:
  TMemo();
  const char* ClassName() const override { return "TMemo"; }
  // Appends one line the way a list of lines does: after the text when it is empty or ends with a line
  // break (then the line is terminated), else after a new line break. Returns false, with the text as it
  // was, when the window refuses the text (it cannot hold more).
  [[nodiscard]] bool AddLine(const std::wstring& line);

 protected:
  void CreateParams(TCreateParams& params) override;
  // A memo holds as much text as memory allows, not the edit window's default of about 32 K characters.
  void CreateWindowHandleDone() override;
};

}  // namespace qw
