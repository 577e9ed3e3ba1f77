// zerkon.exe started by the payroll program with "/ELDP(path)": the form loads the data file at
// once, "Opětovné načtení dat" reads it again, "Zpět" ends the program, the close box only the
// form; hostile data files; and typing on the Czech keyboard layout.

#include <gtest/gtest.h>
#include <objbase.h>
#include <xmllite.h>

#include <iostream>

#include "common/cp1250_literal.h"
#include "eldp_form_fixture.h"

namespace eldp_form {
namespace {

using zerkon::operator""_cz;

// The XML reader of the system reads the file to its end: true when it is well-formed.
bool IsWellFormedXml(const std::string& bytes) {
    using CreateReader = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);
    HMODULE library = LoadLibraryW(L"xmllite.dll");
    auto create = reinterpret_cast<CreateReader>(
        reinterpret_cast<void*>(GetProcAddress(library, "CreateXmlReader")));
    if (!create) return false;
    IXmlReader* reader = nullptr;
    IStream* stream = nullptr;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    memcpy(GlobalLock(memory), bytes.data(), bytes.size());
    GlobalUnlock(memory);
    bool well_formed = false;
    if (SUCCEEDED(CreateStreamOnHGlobal(memory, TRUE, &stream)) &&
        SUCCEEDED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader), nullptr)) &&
        SUCCEEDED(reader->SetInput(stream))) {
        XmlNodeType node;
        HRESULT result = S_OK;
        while ((result = reader->Read(&node)) == S_OK) {
        }
        well_formed = result == S_FALSE;  // the end of the input, no error
    }
    if (reader) reader->Release();
    if (stream) stream->Release();
    return well_formed;
}

class EldpModeTest : public EldpFormTest {
  protected:
    void SetUp() override {
        EldpFormTest::SetUp();
        data_file_ = program_.parent_path() / L"Data RAL" / L"eldp data.txt";
        fs::create_directories(data_file_.parent_path());
    }

    // Starts the program as the payroll program does: the switch and the path in one pair of
    // quotes, since the path holds blanks.
    HWND StartInEldpMode() {
        StartZerkon(L"\"/ELDP(" + data_file_.wstring() + L")\"");
        return WaitForForm();
    }

    void WriteDataFile(const std::string& bytes) {
        std::ofstream(data_file_, std::ios::binary) << bytes;
    }

    void PressXmlAndCheckTheFile() {
        EXPECT_NE(SaveXmlDespiteTheCheck().find(L"eldp09.xml"), std::wstring::npos);
        EXPECT_TRUE(IsWellFormedXml(ReadBytes(XmlFile())));
    }

    void PressZpetAndExpectTheEnd() {
        e2e::Click(Control(zerkon::kEldpExitId));
        EXPECT_EQ(zerkon_.WaitForExit(), std::optional<DWORD>(0));
    }

    fs::path data_file_;
};

// The texts of tests/data/eldp/novak.txt as its fields must show them.
const std::pair<const char*, const char*> kNovakTexts[] = {
    {"leTechKod", ""},
    {"leRok", "2009"},
    {"leTypELDP", "1"},
    {"leOpravaELDP", "__.__.____"},
    {"leKodELDP", "105"},
    {"leMistneOSSZ", "Okresní správa sociálního zabezpečení Praha"_cz},  // longer than 27
    {"lePrijmeni", " Nováková "_cz},
    {"leJmeno", "Jana"},
    {"leTitul", "Ing."},
    {"leDatumNar", "05.03.1975"},
    {"leRC", "7553051234"},
    {"leUlice", "Na Ořechovce"_cz},
    {"leCisDomu", "12/3a"},
    {"lePrijmeniR", "Dvořáková"_cz},
    {"leObec", "Praha 6"},
    {"lePosta", "Praha"},
    {"lePSC", "162 00"},
    {"leStat", "cz"},
    {"leMistoNar", "Ústí nad Labem"_cz},
    {"leKod1", "1"},
    {"leMR1", ""},
    {"leOd1", "01.01."},
    {"leDo1", "31.05."},
    {"leDny1", "151"},
    {"leVylDoby1", ""},
    {"leVymZakl1", "125000"},
    {"leDobyOdect1", ""},
    {"leKod2", "1"},
    {"leOd2", "01.06."},
    {"leDo2", "31.12."},
    {"leDny2", "214"},
    {"leVylDoby2", "5"},
    {"leVymZakl2", "180 500"},
    {"leDobyOdect2", "3"},
    {"leKod3", ""},
    {"leOd3", ""},  // no key: emptied
    {"leVylDobyCelkem", "5"},
    {"leVymZaklCelkem", "305 500"},
    {"leDobyOdectCelkem", "3"},
    {"leNazevZam", "Kovo & Dřevo <Lípa> s.r.o."_cz},
    {"leICO", "12345678"},
    {"leVS", "1234567890"},
    {"leCinnOd", "01.02.2003"},
    {"leDatumELDP", "15.01.2010"},
};

TEST_F(EldpModeTest, LoadsTheDataFileShowsWhereItCameFromAndZpetEndsTheProgram) {
    WriteDataFile(ReadBytes(fs::path(ZERKON_TEST_DATA) / "eldp" / "novak.txt"));
    const auto start = std::chrono::steady_clock::now();
    ASSERT_NE(StartInEldpMode(), nullptr);
    ASSERT_TRUE(e2e::WaitUntil([&] { return !Text("leDatumELDP").empty(); }));
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::cout << "[ figure ] \"/ELDP\" start to the loaded form shown: " << ms << " ms\n";
    EXPECT_TRUE(IsIconic(main_));

    for (const auto& [name, text] : kNovakTexts) EXPECT_EQ(Text(name), W(text)) << name;
    for (int row = 1; row <= 3; ++row) {
        for (int month = 1; month <= 13; ++month) {
            const std::string box = "cb" + std::to_string(row * 100 + month);
            const bool marked = (row == 1 && month <= 5) || (row == 2 && month >= 6 && month <= 12);
            EXPECT_EQ(Checked(box), marked) << box;  // x213="x" marks nothing
        }
    }
    EXPECT_EQ(e2e::HintText(Control(zerkon::kEldpTitleId)), data_file_.wstring());
    EXPECT_TRUE(IsWindowVisible(Control(zerkon::kEldpReloadId)));
    e2e::SaveScreenshot(L"eldp_form_loaded", form_);

    // The payroll program changes the file; the clerk has typed meanwhile.
    e2e::Focus(Field("leJmeno"));
    Type(L"Petra");
    e2e::Focus(Field("leOpravaELDP"));
    Type(L"01022010");
    WriteDataFile("<eldp rok=\"2010\" Prijmeni=\"Nová\" x107=\"X\" Kod3=\"9\"/>"_cz);
    e2e::Click(Control(zerkon::kEldpReloadId));
    e2e::Sync(form_);
    EXPECT_EQ(Text("lePrijmeni"), W("Nová"_cz));
    EXPECT_EQ(Text("leJmeno"), L"");  // typed, then emptied: its key is gone
    EXPECT_EQ(Text("leRok"), L"2010");
    EXPECT_EQ(Text("leKod3"), L"9");
    EXPECT_EQ(Text("leOpravaELDP"), L"01.02.2010");  // never loaded
    EXPECT_TRUE(Checked("cb107"));
    EXPECT_TRUE(Checked("cb101"));  // marks are never taken away

    // With another installation's copy running beside it, "Zpět" ends this one only.
    e2e::Process other = e2e::Process::Start(e2e::ZerkonExe());
    ASSERT_NE(e2e::WaitForWindow(zerkon::kMainWindowClass, other.id()), nullptr);
    PressZpetAndExpectTheEnd();
    EXPECT_TRUE(other.Running());
}

TEST_F(EldpModeTest, TheXmlButtonAsksBeforeSavingAWrongSheetAndEnterLeavesTheCaretThere) {
    WriteDataFile(ReadBytes(fs::path(ZERKON_TEST_DATA) / "eldp" / "novak.txt"));
    ASSERT_NE(StartInEldpMode(), nullptr);
    e2e::Click(Control(zerkon::kEldpXmlId));
    HWND question = e2e::WaitForWindow(L"#32770", zerkon_.id());
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(e2e::GetText(question), L"Kontrola ELDP");
    const std::wstring text = e2e::MessageBoxText(question);
    EXPECT_NE(text.find(W("Rodné číslo pojištěnce: nesouhlasí kontrolní číslice"_cz)),
              std::wstring::npos)
        << text;
    EXPECT_NE(text.find(W("IČ: nesouhlasí kontrolní číslice"_cz)), std::wstring::npos);
    e2e::SaveScreenshot(L"eldp_form_check_question");
    Key(VK_RETURN);  // "Ne" is the default
    ASSERT_TRUE(e2e::WaitForWindowGone(question));
    EXPECT_TRUE(WaitForFocusOn("leRC"));
    EXPECT_FALSE(fs::exists(XmlFile()));

    EXPECT_NE(SaveXmlDespiteTheCheck().find(L"eldp09.xml"), std::wstring::npos);
    EXPECT_TRUE(fs::exists(XmlFile()));
    PressZpetAndExpectTheEnd();
}

TEST_F(EldpModeTest, TheCloseBoxClosesOnlyTheFormAndTheNextActivationOpensItAgain) {
    WriteDataFile(ReadBytes(fs::path(ZERKON_TEST_DATA) / "eldp" / "novak.txt"));
    ASSERT_NE(StartInEldpMode(), nullptr);
    const HWND first = form_;
    PostMessageW(first, WM_CLOSE, 0, 0);
    ASSERT_TRUE(e2e::WaitForWindowGone(first));
    Sleep(300);
    EXPECT_TRUE(zerkon_.Running());
    EXPECT_TRUE(IsIconic(main_));
    EXPECT_TRUE(e2e::FindTopLevelWindows(zerkon::kEldpWindowClass).empty());

    // The clerk restores the program from the task bar.
    ShowWindow(main_, SW_RESTORE);
    SetForegroundWindow(main_);
    ASSERT_NE(WaitForForm(), nullptr);
    EXPECT_TRUE(e2e::WaitUntil([&] { return Text("lePrijmeni") == W(" Nováková "_cz); }));
    EXPECT_TRUE(e2e::WaitUntil([&] { return IsIconic(main_) != FALSE; }));
    e2e::Sync(main_);
    EXPECT_EQ(e2e::FindTopLevelWindows(zerkon::kEldpWindowClass).size(), 1u);
    PressZpetAndExpectTheEnd();
}

TEST_F(EldpModeTest, HostileDataFilesOpenTheFormAndTheXmlStaysWellFormed) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 37 + i / 256) % 256);
    binary += " Prijmeni=\"A\x87<&>\x01Z\" Jmeno=\"\x00\x1A\x9F\" x101=\"X\"";
    const struct {
        const char* name;
        std::string bytes;
        const char* field;
        size_t length;
    } cases[] = {
        {"binary bytes", binary, "lePrijmeni", 0},
        {"a line of 1 MB", " NazOrg=\"" + std::string(1 << 20, 'x') + "\" rok=\"2009\" ICO=\"1\"",
         "leRok", 4},
        {"values longer than their fields",
         " NazevOSSZ=\"" + std::string(40, 'O') + "\" RC=\"123456789012345\"", "leMistneOSSZ", 40},
        {"no file at all", "", "lePrijmeni", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::error_code ignored;
        fs::remove(data_file_, ignored);
        if (c.name != std::string("no file at all")) WriteDataFile(c.bytes);
        ASSERT_NE(StartInEldpMode(), nullptr);
        e2e::Sync(form_);
        if (c.length) {
            EXPECT_EQ(Text(c.field).size(), c.length);
        }
        EXPECT_EQ(e2e::HintText(Control(zerkon::kEldpTitleId)), data_file_.wstring());
        EXPECT_TRUE(IsWindowVisible(Control(zerkon::kEldpReloadId)));
        PressXmlAndCheckTheFile();
        PressZpetAndExpectTheEnd();
    }
}

// Wine only: the layout of the display is switched with the X tool for it.
bool SetDisplayLayout(const char* layout) {
    std::string command = std::string("/usr/bin/setxkbmap -layout ") + layout;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

class CzechLayoutTest : public EldpFormTest {
  protected:
    void SetUp() override {
        if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
            GTEST_SKIP() << "the layout is switched through the X display (Wine only)";
        }
        EldpFormTest::SetUp();
        ASSERT_TRUE(SetDisplayLayout("cz"));
    }
    void TearDown() override {
        EldpFormTest::TearDown();
        SetDisplayLayout("us");
    }
};

TEST_F(CzechLayoutTest, DigitsArriveWithShiftAndTheDigitRowGivesCzechLetters) {
    // The program reads the layout when it starts: after the switch.
    ASSERT_NE(OpenFromButton(), nullptr);
    ASSERT_TRUE(WaitForFocusOn("leRok"));
    auto shifted_digits = [&](const char* digits) {
        for (const char* d = digits; *d; ++d) e2e::KeyStroke(static_cast<WORD>(*d), true);
        e2e::Sync(form_);
    };
    shifted_digits("2009");
    EXPECT_EQ(Text("leRok"), L"2009");
    e2e::Focus(Field("leDatumNar"));
    shifted_digits("05031975");
    EXPECT_EQ(Text("leDatumNar"), L"05.03.1975");
    // Unshifted, the digit row types letters: a digits-only field refuses them, a text field
    // takes them.
    e2e::Focus(Field("leRC"));
    for (char key : {'2', '3', '4'}) e2e::KeyStroke(static_cast<WORD>(key));
    e2e::Sync(form_);
    EXPECT_EQ(Text("leRC"), L"");
    e2e::Focus(Field("leObec"));
    for (char key : {'2', '3', '4', '5'}) e2e::KeyStroke(static_cast<WORD>(key));
    e2e::Sync(form_);
    EXPECT_EQ(Text("leObec"), W("ěščř"_cz));
}

}  // namespace
}  // namespace eldp_form
