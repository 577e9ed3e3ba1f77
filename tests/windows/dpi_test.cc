// The program's windows at another display scaling (the prefix's "LogPixels", which Wine reads at
// each program's start): the client area and every control where the window's table puts them at
// 96 DPI, scaled; no caption, label or field text cut; and a move to a display of another
// scaling (WM_DPICHANGED) lays the window out again, back to exactly its 96-DPI layout.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
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

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), utf8.data(), size,
                        nullptr, nullptr);
    return utf8;
}

void SetLogPixels(int dpi) {
    constexpr wchar_t kDesktop[] = L"Control Panel\\Desktop";
    if (dpi == kDesignDpi) {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels");
        return;
    }
    const DWORD value = static_cast<DWORD>(dpi);
    ASSERT_EQ(
        RegSetKeyValueW(HKEY_CURRENT_USER, kDesktop, L"LogPixels", REG_DWORD, &value, sizeof value),
        ERROR_SUCCESS);
}

struct Control {
    std::wstring class_name;
    int id;
    RECT rect;  // in the window's client area
    std::wstring text;
    bool visible;
    bool glyph;  // a speed button's picture left of its caption
    DWORD style;
    int margins;  // an edit's left and right margins
    bool focused;
};

struct Shot {
    SIZE client;
    std::vector<Control> controls;
    std::vector<COLORREF> pixels;  // the client area on the screen, row by row
};

HWND Focused(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// The client area as the screen shows it.
std::vector<COLORREF> ClientPixels(HWND window, SIZE size) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    e2e::Sync(window);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(info.bmiHeader), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, size.cx, size.cy, screen, origin.x, origin.y, SRCCOPY);
    std::vector<COLORREF> pixels(static_cast<const COLORREF*>(bits),
                                 static_cast<const COLORREF*>(bits) + size.cx * size.cy);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The width of what is drawn in the rectangle: the columns holding a pixel far from the colour
// most of the rectangle has.
int InkWidth(const Shot& shot, const RECT& rect) {
    const auto pixel = [&](int x, int y) { return shot.pixels[y * shot.client.cx + x] & 0xFFFFFF; };
    std::map<COLORREF, int> counts;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) ++counts[pixel(x, y)];
    }
    if (counts.empty()) return 0;
    const COLORREF background =
        std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
            return a.second < b.second;
        })->first;
    const auto distinct = [background](COLORREF c) {
        return std::abs(GetRValue(c) - GetRValue(background)) +
                   std::abs(GetGValue(c) - GetGValue(background)) +
                   std::abs(GetBValue(c) - GetBValue(background)) >
               150;
    };
    int first = rect.right;
    int last = rect.left - 1;
    for (int x = rect.left; x < rect.right; ++x) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            if (!distinct(pixel(x, y))) continue;
            first = std::min(first, x);
            last = x;
            break;
        }
    }
    return std::max(0, last - first + 1);
}

Shot TakeShot(HWND window) {
    e2e::Sync(window);
    Shot shot{e2e::ClientSize(window), {}, {}};
    shot.pixels = ClientPixels(window, shot.client);
    EnumChildWindows(
        window,
        [](HWND child, LPARAM context) {
            auto* shot = reinterpret_cast<Shot*>(context);
            RECT rect = e2e::ScreenRect(child);
            MapWindowPoints(nullptr, GetAncestor(child, GA_ROOT), reinterpret_cast<POINT*>(&rect),
                            2);
            const std::wstring class_name = e2e::GetClassName(child);
            const LRESULT margins =
                class_name == L"Edit" ? SendMessageW(child, EM_GETMARGINS, 0, 0) : 0;
            shot->controls.push_back({class_name, GetDlgCtrlID(child), rect, e2e::GetText(child),
                                      IsWindowVisible(child) != FALSE,
                                      GetPropW(child, L"Zerkon.SpeedButton.Glyph") != nullptr,
                                      static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE)),
                                      LOWORD(margins) + HIWORD(margins), child == Focused(child)});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&shot));
    return shot;
}

// The program's font ("MS Sans Serif" of a 96-DPI height) at a DPI, made here by the rule.
HFONT FontAt(int height, bool bold, int dpi) {
    static std::map<std::tuple<int, bool, int>, HFONT> fonts;
    HFONT& font = fonts[{height, bold, dpi}];
    if (!font) {
        font = CreateFontW(ScaleFontHeight(height, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0,
                           0, DEFAULT_CHARSET, 0, 0, 0, DEFAULT_PITCH | FF_SWISS, L"MS Sans Serif");
    }
    return font;
}

SIZE TextSize(const std::wstring& text, HFONT font) {
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

// Tells the window that it is now on a display of `dpi`, as Windows does when it is moved there
// (the suggested rectangle lives in the program's memory).
void SendDpiChanged(const e2e::Process& program, HWND window, int dpi) {
    const RECT suggested = e2e::ScreenRect(window);
    void* remote = VirtualAllocEx(program.handle(), nullptr, sizeof suggested,
                                  MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_NE(remote, nullptr);
    WriteProcessMemory(program.handle(), remote, &suggested, sizeof suggested, nullptr);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(program.handle(), remote, 0, MEM_RELEASE);
}

struct WindowCase {
    const char* name;
    SIZE design_client;
    std::vector<int> bold;  // controls with bold text
    std::function<HWND(e2e::Process&)> open;
};

HWND StartMain(e2e::Process& program) {
    program = e2e::Process::Start(e2e::ZerkonExe());
    return e2e::WaitForWindow(kMainWindowClass, program.id());
}

HWND OpenFromMain(e2e::Process& program, int button, const wchar_t* class_name) {
    HWND main = StartMain(program);
    if (!main || !e2e::Click(e2e::WaitForChild(main, button))) return nullptr;
    return e2e::WaitForWindow(class_name, program.id());
}

const std::vector<WindowCase>& Cases() {
    static const std::vector<WindowCase> cases = {
        {"main", {377, 275}, {kMainLabel1Id, kMainLabel2Id, kMainLabel3Id}, StartMain},
        {"bank",
         {537, 465},
         {kBankOpenId, kBankPrintId, kBankSettingsId},
         [](e2e::Process& program) -> HWND {
             HWND window = OpenFromMain(program, kMainGpcId, kBankWindowClass);
             if (!window || !e2e::Click(e2e::FindChild(window, kBankOpenId))) return nullptr;
             const fs::path file = fs::path(ZERKON_TEST_DATA) / "bank" / "gpc_statement.gpc";
             if (!e2e::ChooseFileInDialog(file.lexically_normal(), program.id())) return nullptr;
             HWND memo = e2e::FindChild(window, kBankMemoId);
             return e2e::WaitUntil([&] { return IsWindowVisible(memo) != FALSE; }) ? window
                                                                                   : nullptr;
         }},
        {"information",
         {471, 483},
         {},
         [](e2e::Process& program) { return OpenFromMain(program, kMainInfoId, kMemoReadClass); }},
        {"eldp",
         {761, 539},
         {kEldpTitleId, kEldpFirstSectionBarId, kEldpFirstSectionBarId + 1,
          kEldpFirstSectionBarId + 2},
         [](e2e::Process& program) {
             const fs::path data = fs::path(ZERKON_TEST_DATA) / "eldp" / "full.txt";
             program = e2e::Process::StartRaw(e2e::ZerkonExe(),
                                              L"/ELDP(" + data.lexically_normal().wstring() + L")");
             return e2e::WaitForWindow(kEldpWindowClass, program.id());
         }},
    };
    return cases;
}

class DpiTest : public ::testing::TestWithParam<std::tuple<const char*, int>> {
  protected:
    static void TearDownTestSuite() { SetLogPixels(kDesignDpi); }
    void TearDown() override {
        program_.End();
        SetLogPixels(kDesignDpi);
    }

    const WindowCase& Case() const {
        for (const WindowCase& c : Cases()) {
            if (std::string(c.name) == std::get<0>(GetParam())) return c;
        }
        throw std::logic_error("no such window");
    }

    // The window opened at `dpi`, its shot and screenshot taken; the program stays for the
    // caller.
    Shot Open(int dpi) {
        program_.End();
        SetLogPixels(dpi);
        window_ = Case().open(program_);
        EXPECT_NE(window_, nullptr) << Case().name << " at " << dpi;
        if (!window_) return {};
        const std::string name = "dpi" + std::to_string(dpi) + "_" + Case().name;
        e2e::SaveScreenshot(std::wstring(name.begin(), name.end()), window_);
        return TakeShot(window_);
    }

    // At 96 DPI, once per window for all the DPIs.
    const Shot& Reference() {
        static std::map<std::string, Shot> shots;
        auto found = shots.find(Case().name);
        if (found == shots.end()) found = shots.emplace(Case().name, Open(kDesignDpi)).first;
        return found->second;
    }

    // The control's text: its width and height in its font, and the room it has for them.
    struct Fit {
        SIZE text;
        SIZE room;
    };
    Fit FitOf(const Control& control, int dpi) const {
        const auto& bold = Case().bold;
        const bool is_bold = std::find(bold.begin(), bold.end(), control.id) != bold.end();
        const int height = control.id == kEldpTitleId ? -19 : -11;
        Fit fit{TextSize(control.text, FontAt(height, is_bold, dpi)),
                {control.rect.right - control.rect.left, control.rect.bottom - control.rect.top}};
        if (control.glyph) fit.text.cx += ScaleToDpi(16 + 4, dpi);
        if (control.class_name == L"Edit") {
            // Inside the sunken border.
            fit.room.cx -= control.margins + ScaleToDpi(4, dpi);
            fit.room.cy -= ScaleToDpi(4, dpi);
        }
        return fit;
    }

    e2e::Process program_;
    HWND window_ = nullptr;
};

TEST_P(DpiTest, TheWindowIsItsTableScaledWithNoTextCutAndFollowsADpiChange) {
    const int dpi = std::get<1>(GetParam());
    const Shot reference = Reference();
    ASSERT_EQ(reference.client.cx, Case().design_client.cx);
    ASSERT_EQ(reference.client.cy, Case().design_client.cy);
    const Shot shot = Open(dpi);
    ASSERT_NE(window_, nullptr);

    EXPECT_NEAR(shot.client.cx, ScaleToDpi(Case().design_client.cx, dpi), 2);
    EXPECT_NEAR(shot.client.cy, ScaleToDpi(Case().design_client.cy, dpi), 2);
    ASSERT_EQ(shot.controls.size(), reference.controls.size());
    for (size_t i = 0; i < shot.controls.size(); ++i) {
        const Control& at96 = reference.controls[i];
        const Control& now = shot.controls[i];
        SCOPED_TRACE(testing::Message()
                     << "control " << i << " id " << now.id << " \"" << Utf8(now.text) << "\"");
        ASSERT_EQ(now.class_name, at96.class_name);
        ASSERT_EQ(now.id, at96.id);
        const LayoutRect scaled =
            ScaleRectToDpi({at96.rect.left, at96.rect.top, at96.rect.right - at96.rect.left,
                            at96.rect.bottom - at96.rect.top},
                           dpi);
        const Fit fit96 = FitOf(at96, kDesignDpi);
        const Fit fit = FitOf(now, dpi);
        // A label sized to its text has its text's size in the scaled font: proof that the
        // control's font follows the DPI.
        const bool sized_to_text =
            now.class_name == L"Static" && !now.text.empty() && fit96.room.cx == fit96.text.cx;
        EXPECT_NEAR(now.rect.left, scaled.left, 2);
        EXPECT_NEAR(now.rect.top, scaled.top, 2);
        if (sized_to_text) {
            EXPECT_EQ(fit.room.cx, fit.text.cx);
        } else {
            EXPECT_NEAR(now.rect.right, scaled.left + scaled.width, 2);
            EXPECT_NEAR(now.rect.bottom, scaled.top + scaled.height, 2);
        }
        if (!now.visible || now.text.empty() || now.class_name == L"ZerkonMemoView" ||
            (now.class_name == L"Edit" && (now.style & ES_MULTILINE))) {
            continue;
        }
        // Not cut: the text has room in the control, or at least no less than at 96 DPI
        // (where Wine's stand-in for "MS Sans Serif" is wider than the font the tables were
        // made for).
        const int short96 = std::max(0, static_cast<int>(fit96.text.cx - fit96.room.cx));
        if (short96 > 0) {
            std::cout << "[ figure ] at 96 DPI \"" << Utf8(now.text) << "\" is " << short96
                      << " px wider than its control\n";
        }
        EXPECT_LE(fit.text.cx - fit.room.cx, ScaleToDpi(short96, dpi) + (short96 > 0 ? 1 : 0));
        EXPECT_LE(fit.text.cy, fit.room.cy);
        // And the screen shows the text in the scaled font: on a button or in a field, what is
        // drawn is as wide as the text (less its letters' side bearings), or fills the control.
        if (now.focused || (now.class_name != L"Button" && now.class_name != L"Edit")) continue;
        RECT inside = now.rect;
        const int border = ScaleToDpi(now.class_name == L"Edit" ? 3 : 2, dpi);
        InflateRect(&inside, -border, -border);
        const int drawn = static_cast<int>(std::min<LONG>(fit.text.cx, inside.right - inside.left));
        EXPECT_NEAR(InkWidth(shot, inside), drawn, ScaleToDpi(5, dpi));
    }

    // Moved to a display of 96 DPI the window is exactly as if opened there; back again, as
    // opened at its DPI.
    for (const auto& [to, expected] : {std::pair{kDesignDpi, &reference}, std::pair{dpi, &shot}}) {
        SendDpiChanged(program_, window_, to);
        const Shot moved = TakeShot(window_);
        SCOPED_TRACE(testing::Message() << "moved to " << to << " DPI");
        EXPECT_EQ(moved.client.cx, expected->client.cx);
        EXPECT_EQ(moved.client.cy, expected->client.cy);
        ASSERT_EQ(moved.controls.size(), expected->controls.size());
        for (size_t i = 0; i < moved.controls.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "control " << i << " id " << moved.controls[i].id);
            EXPECT_TRUE(EqualRect(&moved.controls[i].rect, &expected->controls[i].rect));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DpiTest,
                         testing::Values(std::tuple{"main", 144}, std::tuple{"bank", 144},
                                         std::tuple{"information", 144}, std::tuple{"eldp", 144},
                                         std::tuple{"eldp", 120}),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "At" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
