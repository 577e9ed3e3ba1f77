// The program's windows at another display scaling (the prefix's "LogPixels", which Wine reads at
// each program's start): the client area and every control at its 96-DPI place scaled, no text
// cut, and a move to a display of another scaling (WM_DPICHANGED) lays the window out again.

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <tuple>

#include "common/dpi_scale.h"
#include "harness.h"
#include "ui/bank_window.h"
#include "ui/eldp_window.h"
#include "ui/main_window_ids.h"
#include "ui/memo_read_window.h"

namespace {

using namespace zerkon;
namespace fs = std::filesystem;

void SetLogPixels(int dpi) {
    constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
    const DWORD value = static_cast<DWORD>(dpi);
    if (dpi == kDesignDpi) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels");
    } else {
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels", REG_DWORD, &value, sizeof value);
    }
}

struct Control {
    std::wstring class_name, text;
    int id;
    RECT rect;  // in the window's client area
    bool visible, glyph;
    DWORD style;
};
struct Shot {
    SIZE client;
    std::vector<Control> controls;
};

Shot TakeShot(HWND window) {
    e2e::Sync(window);
    Shot shot{e2e::ClientSize(window), {}};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM shot) {
            RECT rect = e2e::ScreenRect(child);
            MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&rect),
                            2);
            reinterpret_cast<Shot*>(shot)->controls.push_back(
                {e2e::GetClassName(child), e2e::GetText(child), GetDlgCtrlID(child), rect,
                 IsWindowVisible(child) != FALSE,
                 GetPropW(child, L"Zerkon.SpeedButton.Glyph") != nullptr,
                 static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE))});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shot));
    return shot;
}

// The text's size in the program's font ("MS Sans Serif" of a 96-DPI height), made here by the
// rule at the DPI.
SIZE TextSize(const std::wstring& text, int height, bool bold, int dpi) {
    static std::map<std::tuple<int, bool, int>, HFONT> fonts;
    HFONT& font = fonts[{height, bold, dpi}];
    if (!font) {
        font = CreateFontW(ScaleFontHeight(height, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0,
                           0, DEFAULT_CHARSET, 0, 0, 0, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    }
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {size.cx, metrics.tmHeight};
}

// As Windows tells a window moved to a display of `dpi` (the suggested rectangle in its memory).
void SendDpiChanged(const e2e::Process& program, HWND window, int dpi) {
    const RECT suggested = e2e::ScreenRect(window);
    void* remote =
        VirtualAllocEx(program.handle(), nullptr, sizeof suggested, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(program.handle(), remote, &suggested, sizeof suggested, nullptr);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(program.handle(), remote, 0, MEM_RELEASE);
}

// A window opened from the main window's button (none: the main window, or the form that the
// arguments open); in the bank window a statement is shown.
struct WindowCase {
    std::string name;
    SIZE design_client;
    const wchar_t* window_class;
    int button;
    std::wstring arguments;
    std::vector<int> bold;  // the controls with bold text
};

const fs::path kData = fs::path(ZERKON_TEST_DATA).lexically_normal();
const WindowCase kCases[] = {
    {"main", {377, 275}, kMainWindowClass, 0, L"", {kMainLabel1Id, kMainLabel2Id, kMainLabel3Id}},
    {"bank", {537, 465}, kBankWindowClass, kMainGpcId, L"", {kBankOpenId, kBankPrintId}},
    {"information", {471, 483}, kMemoReadClass, kMainInfoId, L"", {}},
    {"eldp",
     {761, 539},
     kEldpWindowClass,
     0,
     L"/ELDP(" + (kData / "eldp" / "full.txt").wstring() + L")",
     {kEldpTitleId, kEldpFirstSectionBarId, kEldpFirstSectionBarId + 1,
      kEldpFirstSectionBarId + 2}},
};

HWND OpenWindow(const WindowCase& c, e2e::Process& program) {
    program = e2e::Process::StartRaw(e2e::ZerkonExe(), c.arguments);
    if (c.button && !e2e::Click(e2e::WaitForChild(
                        e2e::WaitForWindow(kMainWindowClass, program.id()), c.button))) {
        return nullptr;
    }
    HWND window = e2e::WaitForWindow(c.window_class, program.id());
    if (c.name == "bank" &&
        (!e2e::Click(e2e::FindChild(window, kBankOpenId)) ||
         !e2e::ChooseFileInDialog(kData / "bank" / "gpc_statement.gpc", program.id()) ||
         !e2e::WaitUntil([&] { return IsWindowVisible(e2e::FindChild(window, kBankMemoId)); }))) {
        return nullptr;
    }
    return window;
}

class DpiTest : public ::testing::TestWithParam<std::tuple<std::string, int>> {
  protected:
    void TearDown() override {
        program_.End();
        SetLogPixels(kDesignDpi);
    }

    const WindowCase& Case() const {
        return *std::find_if(std::begin(kCases), std::end(kCases),
                             [&](const auto& c) { return c.name == std::get<0>(GetParam()); });
    }

    // The window opened at the DPI, with a screenshot; the program runs on.
    Shot Open(int dpi) {
        program_.End();
        SetLogPixels(dpi);
        window_ = OpenWindow(Case(), program_);
        if (!window_) return {};
        const std::string name = "dpi" + std::to_string(dpi) + "_" + Case().name;
        e2e::SaveScreenshot(std::wstring(name.begin(), name.end()), window_);
        return TakeShot(window_);
    }

    // The room a control has for its text, and the text's size in its font (with the glyph).
    std::pair<SIZE, SIZE> RoomAndText(const Control& control, int dpi) const {
        const bool bold = std::ranges::count(Case().bold, control.id) > 0;
        SIZE text = TextSize(control.text, control.id == kEldpTitleId ? -19 : -11, bold, dpi);
        if (control.glyph) text.cx += ScaleToDpi(16 + 4, dpi);
        SIZE room{control.rect.right - control.rect.left, control.rect.bottom - control.rect.top};
        const int border = control.class_name == L"Edit" ? ScaleToDpi(6, dpi) : 0;  // sunken
        return {{room.cx - border, room.cy - border}, text};
    }

    e2e::Process program_;
    HWND window_ = nullptr;
};

TEST_P(DpiTest, TheWindowIsItsTableScaledWithNoTextCutAndFollowsADpiChange) {
    const int dpi = std::get<1>(GetParam());
    static std::map<std::string, Shot> at96;  // one 96-DPI start a window, for all its DPIs
    if (!at96.contains(Case().name)) at96[Case().name] = Open(kDesignDpi);
    const Shot& reference = at96[Case().name];
    ASSERT_EQ(reference.client.cx, Case().design_client.cx);
    ASSERT_EQ(reference.client.cy, Case().design_client.cy);
    const Shot shot = Open(dpi);
    ASSERT_NE(window_, nullptr);

    EXPECT_NEAR(shot.client.cx, ScaleToDpi(Case().design_client.cx, dpi), 2);
    EXPECT_NEAR(shot.client.cy, ScaleToDpi(Case().design_client.cy, dpi), 2);
    ASSERT_EQ(shot.controls.size(), reference.controls.size());
    for (size_t i = 0; i < shot.controls.size(); ++i) {
        const Control& was = reference.controls[i];
        const Control& now = shot.controls[i];
        SCOPED_TRACE(testing::Message() << "control " << i << ", id " << now.id);
        ASSERT_EQ(now.id, was.id);
        const RECT& r = was.rect;
        const LayoutRect scaled =
            ScaleRectToDpi({r.left, r.top, r.right - r.left, r.bottom - r.top}, dpi);
        const auto [room96, text96] = RoomAndText(was, kDesignDpi);
        const auto [room, text] = RoomAndText(now, dpi);
        EXPECT_NEAR(now.rect.left, scaled.left, 2);
        EXPECT_NEAR(now.rect.top, scaled.top, 2);
        EXPECT_NEAR(now.rect.bottom, scaled.top + scaled.height, 2);
        // A label sized to its text takes the text's size in the font at the DPI: the proof that
        // fonts follow the DPI. Any other control is its place scaled.
        if (now.class_name == L"Static" && !now.text.empty() && room96.cx == text96.cx) {
            EXPECT_EQ(room.cx, text.cx);
        } else {
            EXPECT_NEAR(now.rect.right, scaled.left + scaled.width, 2);
        }
        if (!now.visible || now.text.empty() || (now.style & ES_MULTILINE) ||
            now.class_name == L"ZerkonMemoView") {
            continue;
        }
        // No text cut: it has room, or no less than at 96 DPI (within 2 px: fonts come in whole
        // pixels), where Wine's stand-in for "MS Sans Serif" is wider than the tables' font.
        const int short96 = std::max(0, static_cast<int>(text96.cx - room96.cx));
        if (short96 > 0)
            std::cout << "[ figure ] id " << now.id << ": " << short96 << " px short\n";
        EXPECT_LE(text.cx - room.cx, short96 > 0 ? ScaleToDpi(short96, dpi) + 2 : 0);
        EXPECT_LE(text.cy, room.cy);
    }

    // Moved to a 96-DPI display the window is exactly as opened there; back, as opened at its DPI.
    for (const auto& [to, expected] : {std::pair{kDesignDpi, &reference}, std::pair{dpi, &shot}}) {
        SendDpiChanged(program_, window_, to);
        const Shot moved = TakeShot(window_);
        SCOPED_TRACE(testing::Message() << "moved to " << to << " DPI");
        EXPECT_EQ(moved.client.cx, expected->client.cx);
        EXPECT_EQ(moved.client.cy, expected->client.cy);
        ASSERT_EQ(moved.controls.size(), expected->controls.size());
        for (size_t i = 0; i < moved.controls.size(); ++i) {
            EXPECT_TRUE(EqualRect(&moved.controls[i].rect, &expected->controls[i].rect)) << i;
        }
    }
}

// Wine treats every program as per-monitor aware: what Windows reads is checked in the file.
TEST(DpiAwareness, TheProgramsManifestDeclaresPerMonitorV2WithTheFallbacks) {
    HMODULE exe = LoadLibraryExW(e2e::ZerkonExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    HRSRC resource = FindResourceW(exe, MAKEINTRESOURCEW(1), RT_MANIFEST);
    ASSERT_NE(resource, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(exe, resource))),
                               SizeofResource(exe, resource));
    for (const char* setting :
         {R"(<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm<)",
          R"(<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">)"
          "PerMonitorV2, PerMonitor<"}) {
        EXPECT_NE(manifest.find(setting), std::string::npos) << setting;
    }
    FreeLibrary(exe);
}

INSTANTIATE_TEST_SUITE_P(Windows, DpiTest,
                         testing::Values(std::tuple{"main", 144}, std::tuple{"bank", 144},
                                         std::tuple{"information", 144}, std::tuple{"eldp", 144},
                                         std::tuple{"eldp", 120}),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "At" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
