#pragma once
// TMEdit: the program's single-line data-entry control. A standard EDIT,
// subclassed; every decision is taken by EditBehavior (src/controls) and this
// class only forwards the window messages and applies what comes back.
//
// What the parent window does for its fields: pass WM_CTLCOLOREDIT and
// WM_CTLCOLORSTATIC to ControlBackgroundBrush (focus and disabled colours);
// run IsDialogMessage in its message loop (Tab); and on WM_ACTIVATE save the
// focused child when deactivated and give it the focus back when activated,
// so that a field that reported an error keeps the focus after the box.

#include <windows.h>

#include <functional>
#include <string>

#include "controls/edit_behavior.h"
#include "ui/coloured_control.h"

namespace zerkon {

// What a pick-list field hands to the pop-up list when its side button is
// clicked. Texts are Windows-1250 program text.
struct PickListRequest {
    HWND field = nullptr;      // the edit; the pop-up is placed against it
    std::string items;         // the item list, items separated by '|'
    std::string current_text;  // the field's text (preselects its item)
    int drop_down_count = 8;   // as set; the pop-up corrects values outside 1-20
    bool sorted = false;
    bool close_if_mouse_leave = false;
    HFONT font = nullptr;  // the field's font
};

struct PickListResult {
    bool accepted = false;  // closed by Enter or double click with an item selected
    std::string value;      // the chosen item's value when accepted
};

// The pop-up is a separate window module that the window creating a pick-list
// field hands to it (ShowPickListPopup), so that the edit does not depend on
// it. Without one the side button of a pick-list field only runs the field's
// button handler.
using PickListPopupFn = PickListResult (*)(const PickListRequest& request);

struct EditOptions {
    int id = 0;
    int left = 0, top = 0, width = 121, height = 21;
    bool visible = true;
    bool enabled = true;
    bool tab_stop = true;
    bool read_only = false;
    int max_length = 0;
    wchar_t password_char = 0;
    ControlColour colour = kClWindow;
    std::string text;  // Windows-1250
    edit::EditSettings settings;
    HFONT font = nullptr;  // DEFAULT_GUI_FONT when null
    PickListPopupFn pick_list_popup = nullptr;
};

// The explicit navigation targets of FocusControl; not owned, not watched.
struct TFocusControl {
    HWND down = nullptr;
    HWND pg_down = nullptr;
    HWND pg_up = nullptr;
    HWND up = nullptr;
};

class TMEdit : public ColouredControl {
  public:
    TMEdit(HWND parent, const EditOptions& options);
    ~TMEdit() override;

    edit::EditBehavior& behavior() { return behavior_; }
    ControlColour Background() const override { return behavior_.state().colour; }

    std::string Text() const;
    void SetText(const std::string& text);
    Amount Value() const { return behavior_.state().value; }
    void SetValue(Amount value);
    // Color write: an unfocused field gets its normal colour back at the next paint.
    void SetColor(ControlColour colour);
    void SetEnabled(bool enabled);
    void SetVisible(bool visible);
    void SetButtonVisible(bool visible);
    void SetButtonWidth(int width);
    void SetButtonCaption(const std::string& caption);
    HWND button() const { return button_; }
    // Version write: stays "2.77"; fits a masked text to its mask.
    void SetVersion(const std::string& version);
    // Clicks the side button as the mouse or the short cut does.
    void ClickButton();
    void Focus();

    TFocusControl focus_control;
    // Where Enter and the arrows that move like Tab go instead of the tab order, when set.
    HWND key_next = nullptr;
    HWND key_previous = nullptr;
    std::function<void(TMEdit&, const std::string&)> on_error;
    std::function<void(TMEdit&)> on_click_button;
    std::function<void(TMEdit&)> on_change;
    std::function<void(TMEdit&)> on_enter;
    std::function<void(TMEdit&)> on_exit;
    // The owner's key events (OnKeyDown, OnKeyPress); setting the key or the
    // character to 0 discards it. KeyFirstInherited runs them before the
    // control's own processing, otherwise after it.
    std::function<void(TMEdit&, WORD& key, edit::ShiftState shift)> on_key_down;
    std::function<void(TMEdit&, char& ch)> on_key_press;
    // ButtonFont: the side button's font, or the control's own font while
    // there is no button.
    HFONT ButtonFont() const;
    void SetButtonFont(HFONT font);

  protected:
    virtual void PositionChanged() {}

  private:
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam) override;
    LRESULT Dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnGetDlgCode(WPARAM wparam, LPARAM lparam);
    LRESULT OnKeyDown(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnChar(WPARAM wparam, LPARAM lparam);
    LRESULT OnSetFocus(WPARAM wparam, LPARAM lparam);
    LRESULT OnKillFocus(WPARAM wparam, LPARAM lparam);
    LRESULT OnPaint(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnCommand(WPARAM wparam, LPARAM lparam);
    LRESULT AfterStandard(UINT message, WPARAM wparam, LPARAM lparam, void (TMEdit::*then)());

    edit::EditEnvironment Environment() const;
    void ReadEdit();
    void WriteEdit();
    void WriteText(const std::string& text);
    void MoveFocus(edit::FocusMove move);
    void LayoutButton();
    void OpenPickList();
    void CustomPaint(const edit::PaintPlan& plan, HDC print_dc);
    void ReportExit();
    void ShowWarning(const std::string& message);
    void CheckTextChange();
    void SizeChanged();

    HWND button_ = nullptr;
    PickListPopupFn pick_list_popup_ = nullptr;
    edit::EditBehavior behavior_;
    std::string last_text_;
    std::string pending_message_;
    bool pending_on_exit_ = false;
    bool changing_text_ = false;
    bool away_ = false;  // focus is in another top-level window
    bool report_pending_ = false;
    // Focus comes back after an exit error: no second entry, the caret stays
    // where the error put it.
    bool returning_after_report_ = false;
};

// The caption position of TMLabeledEdit.
enum class LabelPosition { lpAbove, lpBelow, lpLeft, lpRight };

struct LabeledEditOptions {
    EditOptions edit;
    std::string label;  // Windows-1250; "&" marks the mnemonic
    LabelPosition label_position = LabelPosition::lpAbove;
    int label_spacing = 3;
};

// Where the caption of a labeled edit goes for an edit at (left, top, width,
// height) and a caption of the given size.
POINT LabelOrigin(const RECT& edit, SIZE label, LabelPosition position, int spacing);

}  // namespace zerkon
