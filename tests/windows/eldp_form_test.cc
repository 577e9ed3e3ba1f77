// The ELDP form opened from the main window's "ELDP" button: its layout, its tab order, a
// clerk's whole session typed with the keyboard and the outputs it writes, and what happens
// when the payroll program's files are missing.

#include <gtest/gtest.h>

#include <iostream>

#include "common/cp1250_literal.h"
#include "eldp_form_fixture.h"
#include "ui/bank_window.h"

namespace eldp_form {
namespace {

using zerkon::operator""_cz;

constexpr COLORREF kAccent = RGB(255, 79, 79);        // 5197823
constexpr COLORREF kBackground = RGB(255, 236, 236);  // 15527167

COLORREF ScreenPixel(HWND window, POINT client_point) {
    ClientToScreen(window, &client_point);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, client_point.x, client_point.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

std::string RowDigit(int row) {
    return std::to_string(row);
}

std::string MonthBoxName(int row, int month) {
    return "cb" + RowDigit(row) + (month < 10 ? "0" : "") + std::to_string(month);
}

// Every place of the form, written out from its layout table: name, left, top, width, height.
struct Place {
    std::string name;
    int left, top, width, height;
};

std::vector<Place> ExpectedPlaces() {
    std::vector<Place> places = {
        {"leTechKod", 196, 40, 53, 21},        {"leRok", 336, 40, 73, 21},
        {"leTypELDP", 476, 40, 53, 21},        {"leOpravaELDP", 536, 40, 109, 21},
        {"leKodELDP", 8, 80, 53, 21},          {"leMistneOSSZ", 68, 80, 679, 21},
        {"lePrijmeni", 8, 140, 205, 21},       {"leJmeno", 216, 140, 173, 21},
        {"leTitul", 392, 140, 101, 21},        {"leDatumNar", 496, 140, 121, 21},
        {"leRC", 636, 140, 111, 21},           {"leUlice", 8, 180, 381, 21},
        {"leCisDomu", 392, 180, 101, 21},      {"lePrijmeniR", 496, 180, 249, 21},
        {"leObec", 8, 220, 297, 21},           {"lePosta", 308, 220, 81, 21},
        {"lePSC", 392, 220, 101, 21},          {"leStat", 496, 220, 37, 21},
        {"leMistoNar", 536, 220, 211, 21},     {"leVylDobyCelkem", 514, 368, 65, 21},
        {"leVymZaklCelkem", 587, 368, 95, 21}, {"leDobyOdectCelkem", 689, 368, 60, 21},
        {"leNazevZam", 8, 428, 469, 21},       {"leICO", 484, 428, 133, 21},
        {"leVS", 624, 428, 123, 21},           {"leCinnOd", 8, 468, 121, 21},
        {"leDatumELDP", 8, 508, 121, 21},
    };
    const int tops[] = {280, 304, 328};
    for (int row = 1; row <= 3; ++row) {
        const int top = tops[row - 1];
        const std::string d = RowDigit(row);
        for (const Place& column :
             {Place{"leKod", 8, 0, 41, 21}, Place{"leMR", 52, 0, 25, 21},
              Place{"leOd", 80, 0, 60, 21}, Place{"leDo", 145, 0, 60, 21},
              Place{"leDny", 211, 0, 37, 21}, Place{"leVylDoby", 514, 0, 65, 21},
              Place{"leVymZakl", 587, 0, 95, 21}, Place{"leDobyOdect", 689, 0, 60, 21}}) {
            places.push_back({column.name + d, column.left, top, column.width, 21});
        }
        for (int month = 1; month <= 13; ++month) {
            places.push_back({MonthBoxName(row, month), 254 + 20 * (month - 1), top, 17, 17});
        }
    }
    return places;
}

// The fields in reading order, as Tab walks them (the disabled technical code is skipped).
std::vector<std::string> ReadingOrder() {
    std::vector<std::string> order = {
        "leRok",       "leTypELDP", "leOpravaELDP", "leKodELDP", "leMistneOSSZ", "lePrijmeni",
        "leJmeno",     "leTitul",   "leDatumNar",   "leRC",      "leUlice",      "leCisDomu",
        "lePrijmeniR", "leObec",    "lePosta",      "lePSC",     "leStat",       "leMistoNar"};
    for (int row = 1; row <= 3; ++row) {
        const std::string d = RowDigit(row);
        for (const char* name : {"leKod", "leMR", "leOd", "leDo", "leDny"})
            order.push_back(name + d);
        for (int month = 1; month <= 13; ++month) order.push_back(MonthBoxName(row, month));
        for (const char* name : {"leVylDoby", "leVymZakl", "leDobyOdect"}) {
            order.push_back(name + d);
        }
    }
    for (const char* name : {"leVylDobyCelkem", "leVymZaklCelkem", "leDobyOdectCelkem",
                             "leNazevZam", "leICO", "leVS", "leCinnOd", "leDatumELDP"}) {
        order.push_back(name);
    }
    return order;
}

class EldpFormWindowTest : public EldpFormTest {
  protected:
    // The form is painted once its last section bar shows the accent colour.
    bool Painted() const {
        return ScreenPixel(form_, POINT{700, 400}) == kAccent &&
               ScreenPixel(form_, POINT{700, 112}) == kAccent;
    }

    // From the year field, Shift+Tab walks back over the buttons: Zpět, batch, XML, original,
    // worksheet.
    void PressButtonFromYear(int steps_back, WORD key) {
        ASSERT_TRUE(WaitForFocusOn("leRok"));
        for (int i = 0; i < steps_back; ++i) Key(VK_TAB, /*shift=*/true);
        Key(key);
    }

    void CheckRequest(const std::wstring& file) {
        const std::string request = ReadBytes(Received(file));
        ASSERT_EQ(request.size(), 565u);
        const std::string name = "Podklady pro ELDP - ruční zadání.vrex"_cz;
        EXPECT_EQ(request.substr(8, 1 + name.size()), static_cast<char>(name.size()) + name);
        const std::string folder = zerkon::Utf16ToCp1250(engine_.u16string()) + "\\vrex\\";
        EXPECT_EQ(request.substr(171, folder.size()), folder);
        EXPECT_EQ(request.substr(299, 18), "\x11ZERKON pro RALwin");
    }
};

TEST_F(EldpFormWindowTest, OpensModallyPaintedQuicklyLaidOutAsDesigned) {
    ASSERT_NE(StartZerkon(), nullptr);
    HWND button = e2e::WaitForChild(main_, zerkon::kMainEldpId);
    ASSERT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }));
    const auto start = std::chrono::steady_clock::now();
    e2e::Click(button);
    ASSERT_NE(WaitForForm(), nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return Painted(); }, 10s));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::cout << "[ figure ] \"ELDP\" pressed to the form painted: " << ms << " ms\n";
    EXPECT_LT(ms, 2000);
    EXPECT_FALSE(IsWindowEnabled(main_));
    EXPECT_TRUE(WaitForFocusOn("leRok"));

    const SIZE client = e2e::ClientSize(form_);
    EXPECT_EQ(client.cx, 761);
    EXPECT_EQ(client.cy, 539);
    const RECT frame = e2e::ScreenRect(form_);
    const RECT owner = e2e::ScreenRect(main_);
    EXPECT_NEAR((frame.left + frame.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
    EXPECT_FALSE(GetWindowLongW(form_, GWL_STYLE) & (WS_THICKFRAME | WS_MAXIMIZEBOX));
    EXPECT_EQ(ScreenPixel(form_, POINT{4, 530}), kBackground);
    EXPECT_EQ(e2e::GetText(form_).rfind(W(" Evidenční list důchodového pojištění "_cz), 0), 0u);

    for (const Place& place : ExpectedPlaces()) {
        SCOPED_TRACE(place.name);
        HWND control = Field(place.name);
        ASSERT_NE(control, nullptr);
        const RECT r = e2e::RectIn(form_, control);
        EXPECT_EQ(r.left, place.left);
        EXPECT_EQ(r.top, place.top);
        EXPECT_EQ(r.right - r.left, place.width);
        EXPECT_EQ(r.bottom - r.top, place.height);
        if (place.name.rfind("cb", 0) == 0 || place.name.back() == '2' ||
            place.name.back() == '3') {
            continue;  // boxes and the plain edits of rows 2 and 3 have no label
        }
        // A labelled edit's caption stands 3 pixels above it, at its left.
        const RECT label = e2e::RectIn(form_, GetWindow(control, GW_HWNDPREV));
        EXPECT_EQ(label.left, place.left);
        EXPECT_EQ(label.bottom, place.top - 3);
    }
    EXPECT_FALSE(IsWindowEnabled(Field("leTechKod")));
    EXPECT_EQ(Text("leOpravaELDP"), L"__.__.____");
    EXPECT_EQ(Text("leOd2"), L"__.__.");

    struct Caption {
        int id;
        const char* text;
        RECT rect;
        bool visible;
    };
    const Caption captions[] = {
        {zerkon::kEldpPrintId,
         "Podklady pro ELDP (tisk včetně rámečků)"_cz,
         {248, 456, 477, 478},
         true},
        {zerkon::kEldpPrintOriginalId,
         "Tisk ELDP na originální tiskopis"_cz,
         {248, 480, 477, 502},
         true},
        {zerkon::kEldpXmlId, "ELDP ve formátu XML - elektronicky"_cz, {248, 504, 477, 526}, true},
        {zerkon::kEldpBatchId, "Dávka XML…"_cz, {484, 504, 649, 526}, true},
        {zerkon::kEldpReloadId, "Opětovné načtení dat"_cz, {484, 480, 649, 502}, false},
        {zerkon::kEldpExitId, "Zpět"_cz, {652, 505, 745, 527}, true},
        {zerkon::kEldpFirstSectionBarId,
         "  1. Identifikace pojištěnce"_cz,
         {8, 104, 747, 121},
         true},
        {zerkon::kEldpFirstSectionBarId + 1,
         "  2. Průběh pojištění v daném roce"_cz,
         {8, 244, 747, 261},
         true},
        {zerkon::kEldpFirstSectionBarId + 2,
         "  3. Identifikační údaje organizace a podpisy"_cz,
         {8, 392, 747, 409},
         true},
    };
    for (const Caption& c : captions) {
        SCOPED_TRACE(c.text);
        HWND control = Control(c.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(e2e::GetText(control), W(c.text));
        const RECT r = e2e::RectIn(form_, control);
        EXPECT_TRUE(EqualRect(&r, &c.rect))
            << r.left << "," << r.top << "," << r.right << "," << r.bottom;
        EXPECT_EQ(IsWindowVisible(control) != FALSE, c.visible);
    }
    EXPECT_EQ(e2e::GetText(Control(zerkon::kEldpTitleId)),
              W("Evidenční list důchodového pojištění"_cz));
    EXPECT_EQ(e2e::RectIn(form_, Control(zerkon::kEldpTitleId)).left, 196);
    EXPECT_EQ(e2e::GetText(Control(zerkon::kEldpFirstColumnHeadId + 12)), L"1-12");
    e2e::SaveScreenshot(L"eldp_form_empty", form_);

    // Zpět by the keyboard closes only the form; the main window is usable and in front again.
    Key(VK_TAB, /*shift=*/true);
    Key(VK_RETURN);
    EXPECT_TRUE(e2e::WaitForWindowGone(form_));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowEnabled(main_) != FALSE; }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return GetForegroundWindow() == main_; }));
    EXPECT_TRUE(zerkon_.Running());
}

TEST_F(EldpFormWindowTest, TabWalksTheFieldsInReadingOrderThenTheButtons) {
    ASSERT_NE(OpenFromButton(), nullptr);
    ASSERT_TRUE(WaitForFocusOn("leRok"));
    std::vector<std::string> walked;
    for (const std::string& name : ReadingOrder()) {
        if (Focused() != Field(name)) {
            walked.push_back("focus on id " + std::to_string(GetDlgCtrlID(Focused())) +
                             " instead of " + name);
            break;
        }
        Key(VK_TAB);
    }
    EXPECT_TRUE(walked.empty()) << walked.front();
    for (int id : {zerkon::kEldpPrintId, zerkon::kEldpPrintOriginalId, zerkon::kEldpXmlId,
                   zerkon::kEldpBatchId, zerkon::kEldpExitId}) {
        EXPECT_EQ(Focused(), Control(id)) << id;
        Key(VK_TAB);
    }
    EXPECT_EQ(Focused(), Field("leRok"));
    // Up goes back and Enter on, from a field and from a month box, round the fields only: no
    // key but Tab lands on a button, where one more Enter would print or end the program.
    Key(VK_UP);
    EXPECT_EQ(Focused(), Field("leDatumELDP"));
    Key(VK_RETURN);
    EXPECT_EQ(Focused(), Field("leRok"));
    e2e::Focus(Field("cb105"));
    Key(VK_UP);
    EXPECT_EQ(Focused(), Field("cb104"));
    e2e::Focus(Field("cb313"));
    Key(VK_RETURN);
    EXPECT_EQ(Focused(), Field("leVylDoby3"));
}

TEST_F(EldpFormWindowTest, AClerksSessionWithTheKeyboardWritesTheXmlAndBothPrints) {
    ASSERT_NE(OpenFromButton(), nullptr);
    ASSERT_TRUE(WaitForFocusOn("leRok"));
    Fill(L"2009");
    Key(VK_RETURN);  // no type: the output makes it "01"
    Key(VK_RETURN);  // no correction date
    Fill(L"105");
    Fill(L"OSSZ Praha 5");
    Fill(W("Dvořáková"_cz));
    Fill(L"Marie");
    Fill(L"Ing.");
    Fill(L"05031975");  // a date with its leading zeros
    Fill(L"7553051231");
    Fill(L"Na Okraji");
    Fill(L"12");
    Fill(W("Nováková"_cz));
    Fill(L"Praha 5");
    Fill(L"Praha");
    Fill(L"150 00");
    Fill(L"cz");
    Fill(L"Brno");
    ASSERT_TRUE(WaitForFocusOn("leKod1"));
    Fill(L"1");
    Fill(L"a");
    Fill(L"0101");
    Fill(L"3112");
    Fill(L"365");
    for (int month = 1; month <= 13; ++month) {
        Key(VK_SPACE);  // ticks the focused month box
        Key(VK_RETURN);
    }
    Fill(L"0");
    Fill(L"250000");
    Fill(L"0");
    for (int i = 0; i < 2 * 21; ++i) Key(i % 2 ? VK_RETURN : VK_DOWN);  // rows 2 and 3 stay empty
    ASSERT_TRUE(WaitForFocusOn("leVylDobyCelkem"));
    Fill(L"0");
    Fill(L"250000");
    Fill(L"0");
    Fill(W("Stavby Novák s.r.o."_cz));
    Fill(L"12345679");
    Fill(L"1234567890");
    // Dates without leading zeros: a digit, then Right over the blank.
    Type(L"1");
    Key(VK_RIGHT);
    Type(L"2");
    Key(VK_RIGHT);
    Fill(L"2003");
    ASSERT_TRUE(WaitForFocusOn("leDatumELDP"));
    Type(L"151");
    Key(VK_RIGHT);
    Type(L"2010");
    EXPECT_EQ(Text("leDatumELDP"), L"15.1_.2010");
    EXPECT_EQ(Text("leCinnOd"), L"01.02.2003");
    EXPECT_EQ(Text("leStat"), L"CZ");
    EXPECT_TRUE(Checked("cb113"));
    EXPECT_FALSE(Checked("cb201"));

    // A real mouse click on the XML button while the date is half typed.
    e2e::MouseClick(Control(zerkon::kEldpXmlId));
    const std::wstring saved = AnswerMessageBox();
    EXPECT_EQ(saved, W("Program ZERKON uložil data do "_cz) + XmlFile().wstring());
    EXPECT_EQ(Text("leDatumELDP"), L"15.01.2010");
    EXPECT_EQ(Text("leTypELDP"), L"01");
    EXPECT_EQ(ReadBytes(XmlFile()), ReadBytes(kFormData / "clerk.xml"));
    e2e::SaveScreenshot(L"eldp_form_clerk_session", form_);

    // Both prints by the keyboard: the worksheet with Enter, the original sheet with Space.
    PressButtonFromYear(5, VK_RETURN);
    ASSERT_TRUE(WaitForReceived(L"job-1.vrex"));
    EXPECT_EQ(ReadBytes(Received(L"job-1.vrex")), ReadBytes(kFormData / "clerk_worksheet.vrex"));
    CheckRequest(L"request-1.bin");
    // The engine's window came to the front; the clerk clicks the form's title to go on.
    e2e::MouseClick(form_, POINT{600, 10});
    PressButtonFromYear(4, VK_SPACE);
    ASSERT_TRUE(WaitForReceived(L"job-2.vrex"));
    EXPECT_EQ(ReadBytes(Received(L"job-2.vrex")), ReadBytes(kFormData / "clerk_original.vrex"));
    CheckRequest(L"request-2.bin");
}

TEST_F(EldpFormWindowTest, WithoutTheMenuFileOrItsEntryPrintsDoNothingButTheXmlWorks) {
    fs::remove(payroll_ / L"SOURCERAL" / L"menucall.src");
    ASSERT_NE(OpenFromButton(), nullptr);
    e2e::Click(Control(zerkon::kEldpPrintId));
    e2e::Sync(form_);
    EXPECT_EQ(e2e::WaitForWindow(L"#32770", zerkon_.id(), 1s), nullptr);
    EXPECT_EQ(Text("leTypELDP"), L"");  // nothing was read for a print that did not start
    EXPECT_NE(SaveXmlDespiteTheCheck().find(L"eldp09.xml"), std::wstring::npos);
    EXPECT_EQ(Text("leTypELDP"), L"01");

    std::ofstream(payroll_ / L"SOURCERAL" / L"menucall.src", std::ios::binary)
        << "[callTiskDoc]\r\n{28150}Ramecky\r\n[Olbrix]\r\n{Ramecky}<tisk.src>\r\n";
    e2e::Click(Control(zerkon::kEldpPrintOriginalId));
    e2e::Sync(form_);
    EXPECT_EQ(e2e::WaitForWindow(L"#32770", zerkon_.id(), 1s), nullptr);
    EXPECT_TRUE(e2e::FindTopLevelWindows(L"TFormOlbrix").empty());
    EXPECT_FALSE(fs::exists(engine_ / L"received"));
}

TEST_F(EldpFormWindowTest, WithoutARegisteredPayrollProgramTheProgramsOwnFolderIsUsed) {
    e2e::DeleteRegistryValue(HKEY_CURRENT_USER, kRalKey, L"InstallPath");
    fs::create_directories(program_ / L"SOURCERAL");
    for (const auto& entry : fs::directory_iterator(payroll_ / L"SOURCERAL")) {
        fs::copy_file(entry.path(), program_ / L"SOURCERAL" / entry.path().filename());
    }
    ASSERT_NE(OpenFromButton(), nullptr);
    EXPECT_NE(SaveXmlDespiteTheCheck().find(L"xml-manualne"), std::wstring::npos);
    EXPECT_TRUE(fs::exists(program_ / L"xml-manualne" / L"eldp09.xml"));
    EXPECT_FALSE(fs::exists(XmlFile()));
}

TEST_F(EldpFormWindowTest, AnXmlFileThatCannotBeWrittenIsToldAndNothingHalfWrittenStays) {
    ASSERT_NE(OpenFromButton(), nullptr);
    // A file where the folder should be: the folder cannot be made.
    std::ofstream(payroll_ / L"xml-manualne") << "x";
    EXPECT_NE(SaveXmlDespiteTheCheck().find(W("nebyl uložen"_cz)), std::wstring::npos);

    // A folder where the file should be: the file cannot be written.
    fs::remove(payroll_ / L"xml-manualne");
    fs::create_directories(XmlFile());
    EXPECT_NE(SaveXmlDespiteTheCheck().find(L"Cannot create file"), std::wstring::npos);
    EXPECT_TRUE(fs::is_directory(XmlFile()));
    for (const auto& entry : fs::directory_iterator(payroll_ / L"xml-manualne")) {
        if (entry.path() != XmlFile()) ADD_FAILURE() << "left behind: " << entry.path();
    }

    // Nor the print engine's job folder: told, then the form closes and the program ends.
    std::ofstream(engine_ / L"vrex") << "x";
    e2e::Click(Control(zerkon::kEldpPrintId));
    EXPECT_NE(AnswerMessageBox().find((engine_ / L"vrex").wstring()), std::wstring::npos);
    EXPECT_EQ(zerkon_.WaitForExit(), std::optional<DWORD>(0));
}

TEST_F(EldpFormWindowTest, AfterSwitchingProgramsDuringAnOutputTheBankWindowReadsItsOwnTemplates) {
    fs::copy(e2e::ZerkonExe().parent_path() / L"sourceZERKON", program_ / L"sourceZERKON");
    ASSERT_NE(OpenFromButton(), nullptr);
    SaveXmlDespiteTheCheck();  // the templates are the payroll program's now
    // Away to another program and back, as with Alt+Tab.
    e2e::Process other = e2e::Process::Start(e2e::HostExe(L"controls_host"));
    HWND other_window = e2e::WaitForWindow(L"TZerkonControlsHost", other.id());
    ASSERT_NE(other_window, nullptr);
    SetForegroundWindow(other_window);
    e2e::Sync(other_window);
    SetForegroundWindow(form_);
    e2e::Sync(form_);
    other.End();
    e2e::Click(Control(zerkon::kEldpExitId));
    ASSERT_TRUE(e2e::WaitForWindowGone(form_));

    e2e::Click(e2e::FindChild(main_, zerkon::kMainGpcId));
    HWND bank = e2e::WaitForWindow(L"TFormBanka", zerkon_.id());
    ASSERT_NE(bank, nullptr);
    e2e::Click(e2e::FindChild(bank, zerkon::kBankOpenId));
    ASSERT_TRUE(e2e::ChooseFileInDialog(
        (fs::path(ZERKON_TEST_DATA) / "bank" / "gpc_statement.gpc").make_preferred(),
        zerkon_.id()));
    HWND memo = e2e::FindChild(bank, zerkon::kBankMemoId);
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsWindowVisible(memo) != FALSE; }));
    EXPECT_EQ(e2e::WaitForWindow(L"#32770", zerkon_.id(), 1s), nullptr)
        << "the template folder was still the payroll program's";
}

TEST_F(EldpFormWindowTest, ABatchOfDataFilesIsCheckedAndSavedAsOneSubmission) {
    const fs::path batch = fs::path(ZERKON_TEST_DATA) / "eldp" / "batch";
    for (const char* name : {"svoboda.txt", "mala.txt"}) {
        fs::copy_file(batch / name, payroll_ / name);
    }
    ASSERT_NE(OpenFromButton(), nullptr);
    e2e::Click(Control(zerkon::kEldpBatchId));
    // The dialog opens in the payroll program's folder: the names alone are enough.
    ASSERT_TRUE(e2e::ChooseInFileDialog(L"\"svoboda.txt\" \"mala.txt\"", zerkon_.id()));
    const std::wstring summary = AnswerMessageBox(IDYES);
    EXPECT_NE(summary.find(W("Listů ELDP: 2, z toho s chybami: 1."_cz)), std::wstring::npos)
        << summary;
    EXPECT_NE(summary.find(W("mala.txt:\n    Rodné číslo pojištěnce: nesouhlasí kontrolní"_cz)),
              std::wstring::npos)
        << summary;
    EXPECT_EQ(AnswerMessageBox(), W("Program ZERKON uložil data do "_cz) + XmlFile().wstring());
    EXPECT_EQ(ReadBytes(XmlFile()), ReadBytes(batch / "batch.xml"));
    EXPECT_EQ(Text("lePrijmeni"), L"");  // the form's own sheet is left as it was
}

}  // namespace
}  // namespace eldp_form
