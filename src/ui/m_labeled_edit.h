#pragma once
// TMLabeledEdit: TMEdit with a caption label beside it (above, below, left or
// right at a spacing). The label is a STATIC sibling created just before the
// edit, so its mnemonic focuses the edit; it follows the edit's visibility and
// enabled state.

#include "ui/m_edit.h"

namespace zerkon {

class TMLabeledEdit : public TMEdit {
  public:
    TMLabeledEdit(HWND parent, const LabeledEditOptions& options);
    ~TMLabeledEdit() override;

    HWND label() const { return label_; }
    void SetLabelPosition(LabelPosition position);
    void SetLabelSpacing(int spacing);
    void SetLabelText(const std::string& text);

  protected:
    void PositionChanged() override;

  private:
    static HWND CreateLabel(HWND parent, const LabeledEditOptions& options);
    static EditOptions Labeled(EditOptions options);

    HWND label_ = nullptr;
    LabelPosition position_;
    int spacing_;
};

}  // namespace zerkon
