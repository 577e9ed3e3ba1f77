#pragma once
// Rules of the pick-list pop-up (the list box TCombo in its pop-up window):
// which rows it shows, which row is preselected, where the window goes, and
// which events close it as accepted or cancelled. The Win32 pop-up
// (src/ui/pick_list_popup) only measures, shows and forwards events.

#include <string>
#include <string_view>
#include <vector>

#include "controls/combo_edit.h"

namespace zerkon {

// The rows of the pop-up: every non-empty item (sorted by its shown text when
// `sorted`), and the row to preselect: the one whose shown text or value
// equals the field's text, otherwise the first row (-1 when there are none).
struct PickListRows {
    std::vector<ComboItem> rows;
    int preselected = -1;
};
PickListRows BuildPickListRows(std::string_view items, bool sorted, std::string_view field_text);

// Case-insensitive Czech ordering of shown texts (č after c, ch after h, ř
// after r, š after s, ž after z; other accents sort with their letter).
bool PickListTextLess(std::string_view a, std::string_view b);

struct PickListGeometryInput {
    int field_client_left = 0;  // screen position of the field's client origin
    int field_client_top = 0;
    int field_width = 0;  // the field's outer width and height
    int field_height = 0;
    int widest_text = 0;       // widest shown text in the list's font, pixels
    int row_count = 0;         // number of rows
    int drop_down_count = 8;   // already normalised (NormalizeDropDownCount)
    int font_points = 8;       // the list font's size in points
    int work_area_bottom = 0;  // bottom of the desktop work area (SPI_GETWORKAREA)
    int dpi = 96;              // the field's DPI: the fixed pixel amounts below scale with it
};

struct PickListRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PickListRect&) const = default;
};

// Under the field: left = origin x - 2, top = origin y + field height - 3,
// width = field width; a wider text moves the left edge left by
// (widest - width + 11) and widens to widest + 16; a negative left becomes 2.
// Height = min(rows, drop_down_count) * (font points + 5) + 10. When the
// bottom would pass the work area, above: top = top - height - field height.
// The fixed amounts (2, 3, 11, 16, the row height and 10) are 96-DPI pixels,
// scaled to the field's DPI (common/dpi_scale.h); the field's place, size and
// the text width are measured and taken as they are.
PickListRect PickListGeometry(const PickListGeometryInput& in);

// A row of the pop-up's list: the font's size in points + 5 pixels at 96 DPI.
int PickListRowHeight(int font_points, int dpi);

// What happens in the pop-up's list.
enum class PickListEvent {
    kDoubleClick,
    kEnterKey,
    kEscapeKey,
    kRightButtonDown,
    kMouseEnter,
    kMouseLeave,
};

enum class PickListClose { kStayOpen, kAccepted, kCancelled };

// The pop-up's state while open: the "entered" flag of the list (the mouse
// has been over it) decides whether leaving closes it.
class PickListState {
  public:
    explicit PickListState(bool close_if_mouse_leave)
        : close_if_mouse_leave_(close_if_mouse_leave) {}

    PickListClose OnEvent(PickListEvent event);
    bool entered() const { return entered_; }

  private:
    bool close_if_mouse_leave_;
    bool entered_ = false;
};

// The field's text after the pop-up closed: the selected row's value when
// accepted with a row selected, otherwise the text as it was.
std::string PickListResultText(const PickListRows& rows, PickListClose how, int selected_row,
                               std::string_view field_text);

}  // namespace zerkon
