#pragma once
// TFormMemoRead: a read-only text shown modally with a caption (the main
// window's "Informace"). Cream read-only memo over a bottom panel with "Zpět";
// Escape closes it as well.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "ui/subclassed_control.h"
#include "ui/window_base.h"

namespace zerkon {

inline constexpr wchar_t kMemoReadClass[] = L"TFormMemoRead";

enum MemoReadControl : int {
    kMemoReadMemoId = 401,    // Memo1
    kMemoReadPrintId = 402,   // sbTisk, hidden
    kMemoReadCancelId = 403,  // sbCancel "Zpět"
};

// The next text window's font and size; 0 / empty / -1 keep the window's
// own. Closing a text window resets it. Nothing in the program sets it.
struct MemoWindowSettings {
    std::string font_name;
    int font_size = -1;
    int height = 0;
    int width = 0;
    bool fit_to_screen = false;
};
MemoWindowSettings& NextMemoWindowSettings();

// Shows the text window modally over `owner` and frees it when it closes.
// x = y = 0 centres it over the owner.
void ShowTextWindow(HWND owner, int x, int y, std::string_view caption, std::string_view text);

class TFormMemoRead : public WindowBase {
  public:
    ~TFormMemoRead() override;
    bool Create(HWND owner, std::string_view caption);
    void SetText(std::string_view text);
    // PlaceWindow over the owner, with the window's own size.
    void Place(HWND owner, int x, int y);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void CreateControls();
    void Layout();
    void LayOutOwnControls() override { Layout(); }
    void sbCancelClick();
    // Escape in the memo closes the window, as "Zpět" does.
    class EscapeKey : public SubclassedControl {
      public:
        EscapeKey(HWND memo, std::function<void()> on_escape);

      private:
        LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
        std::function<void()> on_escape_;
    };

    HWND Memo1 = nullptr;  // the memo that shows the text
    std::unique_ptr<EscapeKey> escape_;
    HWND sbTisk = nullptr;
    HWND sbCancel = nullptr;
    HBRUSH cream_ = nullptr;
    HFONT font_ = nullptr;
};

}  // namespace zerkon
