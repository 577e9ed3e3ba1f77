#pragma once
// TFormPrehledPoj: the premium overview ("Přehled o výši pojistného"). A field layout only: one
// hidden instance is created at start-up and lives until the program ends; its main-window
// button is disabled. "Zpět" (or Escape, or the close box) closes it; nothing is computed.

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/m_labeled_edit.h"
#include "ui/window_base.h"

namespace zerkon {

class TFormPrehledPoj : public WindowBase {
  public:
    // Creates the window hidden, owned by `owner`.
    bool Create(HWND owner);

  private:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
    void CreateControls();
    void sbZpetClick();

    // The program's own fields, like every other window's.
    std::vector<std::unique_ptr<TMLabeledEdit>> fields_;
};

}  // namespace zerkon
