// The windows at another display scaling (the prefix's "LogPixels", read at each program's start):
// their 96-DPI layout scaled, no text cut, and laid out again on WM_DPICHANGED.

#include <gtest/gtest.h>

#include <algorithm>

#include "common/dpi_scale.h"
#include "harness.h"
#include "ui/bank_window.h"
#include "ui/eldp_window.h"
#include "ui/main_window_ids.h"
#include "ui/memo_read_window.h"

namespace {

using namespace zerkon;
namespace fs = std::filesystem;

void SetLogPixels(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", L"LogPixels", REG_DWORD, &dpi,
                    sizeof dpi);
}

struct Control {
    std::wstring class_name, text;
    int id;
    RECT rect;  // in the window's client area
    bool visible, glyph;
    LONG style;
};
using Shot = std::vector<Control>;

// The client area (as a control without text), then every control in the window.
Shot TakeShot(HWND window) {
    e2e::Sync(window);
    const SIZE client = e2e::ClientSize(window);
    Shot shot{{L"", L"", 0, {0, 0, client.cx, client.cy}, false, false, 0}};
    EnumChildWindows(
        window,
        [](HWND child, LPARAM shot) {
            const RECT r = e2e::RectIn(GetAncestor(child, GA_ROOT), child);
            reinterpret_cast<Shot*>(shot)->push_back(
                {e2e::GetClassName(child), e2e::GetText(child), GetDlgCtrlID(child), r,
                 !!IsWindowVisible(child), GetPropW(child, L"Zerkon.SpeedButton.Glyph") != nullptr,
                 GetWindowLongW(child, GWL_STYLE)});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shot));
    return shot;
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
// arguments open), checked at each of its DPIs; in the bank window a statement is shown.
struct WindowCase {
    std::string name;
    SIZE design_client;
    const wchar_t* window_class;
    int button;
    std::wstring arguments;
    std::vector<int> bold;  // the controls with bold text
    std::vector<int> dpis;
};
void PrintTo(const WindowCase& c, std::ostream* out) {
    *out << c.name;
}

const fs::path kData = fs::path(ZERKON_TEST_DATA).lexically_normal();
const WindowCase kCases[] = {
    {"main",
     {377, 275},
     kMainWindowClass,
     0,
     L"",
     {kMainLabel1Id, kMainLabel2Id, kMainLabel3Id},
     {144}},
    {"bank", {537, 465}, kBankWindowClass, kMainGpcId, L"", {kBankOpenId, kBankPrintId}, {144}},
    {"information", {471, 483}, kMemoReadClass, kMainInfoId, L"", {}, {144}},
    {"eldp",
     {761, 539},
     kEldpWindowClass,
     0,
     L"/ELDP(" + (kData / "eldp" / "full.txt").wstring() + L")",
     {kEldpTitleId, kEldpFirstSectionBarId, kEldpFirstSectionBarId + 1, kEldpFirstSectionBarId + 2},
     {144, 120}},
};

class DpiTest : public ::testing::TestWithParam<WindowCase> {
  protected:
    void TearDown() override {
        program_.End();
        SetLogPixels(kDesignDpi);
    }

    // The window opened at the DPI (window_ null if not), with a screenshot; the program runs on.
    Shot Open(int dpi) {
        const WindowCase& c = GetParam();
        program_.End();
        SetLogPixels(dpi);
        program_ = e2e::Process::StartRaw(e2e::ZerkonExe(), c.arguments);
        window_ = nullptr;
        if (c.button && !e2e::Click(e2e::WaitForChild(
                            e2e::WaitForWindow(kMainWindowClass, program_.id()), c.button))) {
            return {};
        }
        HWND window = e2e::WaitForWindow(c.window_class, program_.id());
        if (c.name == "bank" &&
            (!e2e::Click(e2e::FindChild(window, kBankOpenId)) ||
             !e2e::ChooseFileInDialog(kData / "bank" / "gpc_statement.gpc", program_.id()) ||
             !e2e::WaitUntil(
                 [&] { return IsWindowVisible(e2e::FindChild(window, kBankMemoId)); }))) {
            return {};
        }
        window_ = window;
        const std::string name = "dpi" + std::to_string(dpi) + "_" + c.name;
        e2e::SaveScreenshot(std::wstring(name.begin(), name.end()), window_);
        return TakeShot(window_);
    }

    // The room a control has for its text, and the text's size (with the glyph) in the program's
    // font, "MS Sans Serif" of a 96-DPI height, made here at the DPI.
    std::pair<SIZE, SIZE> RoomAndText(const Control& control, int dpi) const {
        const bool bold = std::ranges::count(GetParam().bold, control.id) > 0;
        HFONT font = CreateFontW(ScaleFontHeight(control.id == kEldpTitleId ? -19 : -11, dpi), 0, 0,
                                 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0,
                                 DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        SIZE text{};
        GetTextExtentPoint32W(dc, control.text.c_str(), static_cast<int>(control.text.size()),
                              &text);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc, &metrics);
        DeleteObject(SelectObject(dc, old));
        ReleaseDC(nullptr, dc);
        text.cy = metrics.tmHeight;
        if (control.glyph) text.cx += ScaleToDpi(16 + 4, dpi);
        SIZE room{control.rect.right - control.rect.left, control.rect.bottom - control.rect.top};
        const int border = control.class_name == L"Edit" ? ScaleToDpi(6, dpi) : 0;  // sunken
        return {{room.cx - border, room.cy - border}, text};
    }

    void CheckAt(int dpi, const Shot& reference) {
        SCOPED_TRACE(testing::Message() << "at " << dpi << " DPI");
        const Shot shot = Open(dpi);
        ASSERT_NE(window_, nullptr);
        ASSERT_EQ(shot.size(), reference.size());
        for (size_t i = 0; i < shot.size(); ++i) {
            const Control& was = reference[i];
            const Control& now = shot[i];
            SCOPED_TRACE(testing::Message() << "control " << i << ", id " << now.id);
            ASSERT_EQ(now.id, was.id);
            const auto [room96, text96] = RoomAndText(was, kDesignDpi);
            const auto [room, text] = RoomAndText(now, dpi);
            for (auto edge : {&RECT::left, &RECT::top, &RECT::bottom}) {
                EXPECT_NEAR(now.rect.*edge, ScaleToDpi(was.rect.*edge, dpi), 2);
            }
            // A label sized to its text takes its width in the scaled font: fonts follow the DPI.
            if (now.class_name == L"Static" && !now.text.empty() && room96.cx == text96.cx) {
                EXPECT_EQ(room.cx, text.cx);
            } else {
                EXPECT_NEAR(now.rect.right, ScaleToDpi(was.rect.right, dpi), 2);
            }
            if (!now.visible || now.text.empty() || (now.style & ES_MULTILINE) ||
                now.class_name == L"ZerkonMemoView") {
                continue;
            }
            // No text cut, or (Wine's "MS Sans Serif" is wider) no more than at 96 DPI within 2 px.
            const int short96 = std::max(0, static_cast<int>(text96.cx - room96.cx));
            EXPECT_LE(text.cx - room.cx, short96 > 0 ? ScaleToDpi(short96, dpi) + 2 : 0)
                << short96 << " px short at 96 DPI";
            EXPECT_LE(text.cy, room.cy);
        }
        // Moved to a 96-DPI display: exactly as opened there; moved back: as opened at the DPI.
        for (const auto& [to, expected] :
             {std::pair{kDesignDpi, &reference}, std::pair{dpi, &shot}}) {
            SendDpiChanged(program_, window_, to);
            const Shot moved = TakeShot(window_);
            SCOPED_TRACE(testing::Message() << "moved to " << to << " DPI");
            ASSERT_EQ(moved.size(), expected->size());
            for (size_t i = 0; i < moved.size(); ++i) {
                EXPECT_TRUE(EqualRect(&moved[i].rect, &(*expected)[i].rect)) << i;
            }
        }
    }

    e2e::Process program_;
    HWND window_ = nullptr;
};

TEST_P(DpiTest, TheWindowIsItsTableScaledWithNoTextCutAndFollowsADpiChange) {
    const Shot reference = Open(kDesignDpi);
    ASSERT_NE(window_, nullptr);
    ASSERT_EQ(reference[0].rect.right, GetParam().design_client.cx);
    ASSERT_EQ(reference[0].rect.bottom, GetParam().design_client.cy);
    for (int dpi : GetParam().dpis) CheckAt(dpi, reference);
}

INSTANTIATE_TEST_SUITE_P(Windows, DpiTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

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

}  // namespace
