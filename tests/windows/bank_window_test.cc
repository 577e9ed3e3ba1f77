// The bank preview window driven through the real zerkon.exe: the main
// window's KPC / GPC / Geminy buttons, the real file dialog, the memo's text
// against the golden previews, cancelling, printing to the print-engine
// stand-in and unreadable files.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bank_window_fixture.h"
#include "common/cp1250.h"
#include "common/cp1250_literal.h"

namespace {

using namespace bank_window;
using zerkon::operator""_cz;

// The date a golden preview shows in its "Ze dne:" line, so that the copy of
// the sample carries it as its modification date.
bool GoldenFileDate(const std::string& golden, SYSTEMTIME& date) {
    const std::size_t at = golden.find("Ze dne:");
    if (at == std::string::npos) return false;
    date = {};
    int day = 0, month = 0, year = 0;
    if (std::sscanf(golden.c_str() + at + 7, " %d.%d.%d", &day, &month, &year) != 3) return false;
    date.wDay = static_cast<WORD>(day);
    date.wMonth = static_cast<WORD>(month);
    date.wYear = static_cast<WORD>(year);
    date.wHour = 12;
    return true;
}

void SetModified(const fs::path& file, const SYSTEMTIME& local) {
    SYSTEMTIME utc{};
    TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc);
    FILETIME time{};
    SystemTimeToFileTime(&utc, &time);
    HANDLE handle = CreateFileW(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    SetFileTime(handle, nullptr, nullptr, &time);
    CloseHandle(handle);
}

// Puts a sample at the place and with the date its golden preview names.
fs::path PlaceSample(const std::string& sample, const std::wstring& name,
                     const std::string& golden_name) {
    fs::create_directories(kBankFolder);
    const fs::path target = kBankFolder / name;
    fs::copy_file(kData / sample, target, fs::copy_options::overwrite_existing);
    SYSTEMTIME date{};
    if (!golden_name.empty() && GoldenFileDate(ReadBytes(kData / golden_name), date)) {
        SetModified(target, date);
    }
    return target;
}

struct Format {
    const wchar_t* button;
    const char* name;
    const char* sample;
    const wchar_t* file_name;
    const char* golden;
    bool printable;
};

constexpr Format kFormats[] = {
    {L"KPC", "KPC", "kpc_one_group.kpc", L"platby.kpc", "kpc_one_group.expected", false},
    {L"GPC", "GPC", "gpc_statement.gpc", L"vypis.gpc", "gpc_statement.expected", true},
    {L"Geminy", "Geminy", "geminy_orders.gem", L"prikazy.gem", "geminy_orders.expected", false},
};

TEST_F(BankWindowTest, EachFormatOpensDecodesAndShowsTheGoldenPreview) {
    StartProgram();
    for (const Format& format : kFormats) {
        SCOPED_TRACE(format.name);
        const fs::path file = PlaceSample(format.sample, format.file_name, format.golden);
        OpenPreview(format.button);

        // As opened: caption, size, buttons, hidden preview.
        EXPECT_EQ(Narrow(e2e::GetText(window_)),
                  std::string("Náhled příkazu do banky v elektronickém tvaru ve formátu "_cz) +
                      format.name);
        const SIZE client = e2e::ClientSize(window_);
        EXPECT_EQ(client.cx, 537);
        EXPECT_EQ(client.cy, 465);
        EXPECT_EQ(Narrow(e2e::GetText(open_)), std::string("Soubor ") + format.name);
        EXPECT_EQ(Narrow(e2e::GetText(print_)), "Tisk");
        EXPECT_EQ(Narrow(e2e::GetText(exit_)), "Zpět"_cz);
        EXPECT_FALSE(Enabled(print_));
        EXPECT_FALSE(Visible(memo_));
        EXPECT_FALSE(Visible(e2e::FindChild(window_, zerkon::kBankSettingsId)));
        EXPECT_FALSE(Enabled(main_));  // modal
        const RECT outer = e2e::ScreenRect(window_);
        const RECT owner = e2e::ScreenRect(main_);
        EXPECT_NEAR((outer.left + outer.right) / 2, (owner.left + owner.right) / 2, 2);
        e2e::SaveScreenshot(std::wstring(L"bank-") + format.button + L"-opened", window_);

        OpenFile(file);
        ASSERT_TRUE(e2e::WaitUntil([&] { return Visible(memo_); }));
        e2e::Sync(window_);  // the click's handler has finished
        EXPECT_EQ(MemoText(), ReadBytes(kData / format.golden));
        EXPECT_EQ(e2e::FocusedIn(window_), memo_);
        // Sky blue while focused, right of the text and left of the scroll bar.
        const RECT memo_rect = e2e::ScreenRect(memo_);
        HDC screen = GetDC(nullptr);
        const COLORREF background = GetPixel(screen, memo_rect.right - 30, memo_rect.bottom - 8);
        ReleaseDC(nullptr, screen);
        EXPECT_EQ(background, RGB(166, 202, 240));
        EXPECT_EQ(Enabled(print_), format.printable);
        e2e::SaveScreenshot(std::wstring(L"bank-") + format.button + L"-preview", window_);

        Close();
        EXPECT_TRUE(e2e::WaitUntil([&] { return Enabled(main_); }));
    }
}

TEST_F(BankWindowTest, CancelAfterAPreviewHidesItAndKeepsPrintEnabled) {
    StartProgram();
    const fs::path file = PlaceSample("gpc_statement.gpc", L"vypis.gpc", "");
    OpenPreview(L"GPC");
    OpenFile(file);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Visible(memo_); }));
    e2e::Sync(window_);  // the click's handler has finished
    ASSERT_TRUE(Enabled(print_));

    e2e::Click(open_);
    ASSERT_TRUE(e2e::CancelFileDialog(program_.id()));
    e2e::Sync(window_);
    EXPECT_FALSE(Visible(memo_));
    EXPECT_TRUE(Enabled(print_));
    Close();
}

TEST_F(BankWindowTest, PaymentOrdersNeverEnablePrint) {
    StartProgram();
    const fs::path kpc = PlaceSample("kpc_two_groups.kpc", L"platby.kpc", "");
    const fs::path gem = PlaceSample("geminy_orders.gem", L"prikazy.gem", "");
    for (auto [button, file] : {std::pair{L"KPC", kpc}, std::pair{L"Geminy", gem}}) {
        OpenPreview(button);
        OpenFile(file);
        ASSERT_TRUE(e2e::WaitUntil([&] { return Visible(memo_); }));
        e2e::Sync(window_);  // the click's handler has finished
        OpenFile(file);      // a second file as well
        ASSERT_TRUE(e2e::WaitUntil([&] { return Visible(memo_); }));
        e2e::Sync(window_);  // the click's handler has finished
        EXPECT_FALSE(Enabled(print_));
        Close();
    }
}

TEST_F(BankWindowTest, UnreadableFileShowsTheSystemMessageAndLeavesThePreviewHidden) {
    StartProgram();
    const fs::path good = PlaceSample("gpc_statement.gpc", L"vypis.gpc", "");
    const fs::path missing = kBankFolder / L"chybí.gpc";
    fs::remove(missing);
    OpenPreview(L"GPC");
    OpenFile(good);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Visible(memo_); }));
    e2e::Sync(window_);  // the click's handler has finished

    e2e::Click(open_);
    ASSERT_TRUE(e2e::ChooseFileInDialog(missing, program_.id()));
    const std::wstring message = e2e::AnswerMessageBox(program_.id());
    std::printf("unreadable file: %s\n", zerkon::Cp1250ToUtf8(Narrow(message)).c_str());
    EXPECT_NE(message.find(SystemText(ERROR_FILE_NOT_FOUND)), std::wstring::npos)
        << Narrow(message);
    EXPECT_NE(message.find(missing.filename().wstring()), std::wstring::npos) << Narrow(message);
    EXPECT_FALSE(Visible(memo_));
    EXPECT_TRUE(Enabled(print_));  // the earlier statement stays printable
    EXPECT_TRUE(program_.Running());
    Close();
}

// Ends the stand-in that the program started from `engine`.
void EndEngineStandIn(const fs::path& engine) {
    for (HWND window : e2e::FindTopLevelWindows(L"TFormOlbrix")) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        HANDLE process = OpenProcess(
            PROCESS_QUERY_LIMITED_INFORMATION | PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (!process) continue;
        std::wstring image(32768, L'\0');
        DWORD size = static_cast<DWORD>(image.size());
        if (QueryFullProcessImageNameW(process, 0, image.data(), &size)) {
            image.resize(size);
            if (fs::path(image).parent_path() == engine) {
                PostMessageW(window, WM_CLOSE, 0, 0);
                if (WaitForSingleObject(process, 5000) != WAIT_OBJECT_0) {
                    TerminateProcess(process, 1);
                }
            }
        }
        CloseHandle(process);
    }
}

// The print engine stand-in as the registered engine: Olbrix.exe in its own
// folder with the job folder vrex\ below it.
fs::path InstallEngineStandIn() {
    EndEngineStandIn(e2e::BuildDir() / L"e2e-scratch" / L"bank-olbrix");  // of an aborted run
    const fs::path engine = e2e::ScratchFolder(L"bank-olbrix");
    fs::copy_file(e2e::PeerExe(L"olbrix_standin"), engine / L"Olbrix.exe");
    fs::create_directories(engine / L"vrex");
    EXPECT_TRUE(e2e::SetRegistryString(HKEY_CURRENT_USER, L"Software\\MORV\\Olbrix", L"InstallPath",
                                       engine.wstring()));
    return engine;
}

std::string Field(const std::string& request, std::size_t offset) {
    return request.substr(offset + 1, static_cast<unsigned char>(request[offset]));
}

// Leaves the engine unregistered again for the tests that follow.
struct EngineRegistration {
    ~EngineRegistration() {
        e2e::DeleteRegistryValue(HKEY_CURRENT_USER, L"Software\\MORV\\Olbrix", L"InstallPath");
    }
};

TEST_F(BankWindowTest, PrintHandsTheStatementToThePrintEngine) {
    const EngineRegistration registration;
    const fs::path engine = InstallEngineStandIn();
    StartProgram();
    const fs::path file = PlaceSample("gpc_statement.gpc", L"vypis.gpc", "");
    OpenPreview(L"GPC");
    OpenFile(file);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Enabled(print_); }));
    // Cancelling a later dialog must not lose the statement for printing.
    e2e::Click(open_);
    ASSERT_TRUE(e2e::CancelFileDialog(program_.id()));

    e2e::Click(print_);
    const fs::path received = engine / L"received";
    ASSERT_TRUE(e2e::WaitUntil([&] { return fs::exists(received / L"job-1.vrex"); }));
    e2e::SaveScreenshot(L"bank-GPC-printed", window_);

    const std::string request = ReadBytes(received / L"request-1.bin");
    ASSERT_EQ(request.size(), 565u);
    const std::string job_name = Field(request, 8);
    EXPECT_TRUE(job_name.starts_with("GPC-")) << job_name;
    EXPECT_TRUE(job_name.ends_with(").vrex")) << job_name;
    EXPECT_EQ(Field(request, 299), "Zerkon");
    EXPECT_EQ(zerkon::Cp1250ToUtf8(Field(request, 170)),
              zerkon::Cp1250ToUtf8(Narrow((engine / L"vrex").wstring())) + "\\");
    std::uint32_t sender = 0;
    std::memcpy(&sender, request.data() + 4, 4);
    EXPECT_EQ(sender, static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(main_)));
    EXPECT_TRUE(fs::exists(engine / L"vrex" / Wide(job_name)));

    // The job: the bank caller line, the head from the templates, and the
    // statement's records after the data-area line.
    const std::string job = ReadBytes(received / L"job-1.vrex");
    EXPECT_TRUE(job.starts_with("[ExtProgram]Zerkon\r\n"));
    const std::string records = ReadBytes(kData / "gpc_statement.job");
    EXPECT_TRUE(job.ends_with("\r\n[DataArea]\r\n" + records)) << job;
    Close();
    EndEngineStandIn(engine);
}

TEST_F(BankWindowTest, MissingBankTemplateIsAnErrorNotACrash) {
    // A copy of the program without its template folder beside it.
    const fs::path folder = e2e::ScratchFolder(L"bank-no-templates");
    fs::copy_file(e2e::ZerkonExe(), folder / L"zerkon.exe");
    StartProgram(folder / L"zerkon.exe");
    const fs::path file = PlaceSample("gpc_statement.gpc", L"vypis.gpc", "");
    OpenPreview(L"GPC");
    OpenFile(file);
    const std::wstring message = e2e::AnswerMessageBox(program_.id());
    std::printf("missing template: %s\n", zerkon::Cp1250ToUtf8(Narrow(message)).c_str());
    EXPECT_NE(message.find(SystemText(ERROR_PATH_NOT_FOUND)), std::wstring::npos)
        << Narrow(message);
    EXPECT_NE(message.find(L"zdrojZerkonfr3.src"), std::wstring::npos) << Narrow(message);
    EXPECT_FALSE(Visible(memo_));
    EXPECT_FALSE(Enabled(print_));
    EXPECT_TRUE(program_.Running());
    Close();
}

}  // namespace
