#pragma once
// Control ids of the main window TFormZerkon and of TFormPrehledPoj, also used by the
// end-to-end tests.

namespace zerkon {

inline constexpr wchar_t kMainWindowClass[] = L"TFormZerkon";
inline constexpr wchar_t kPremiumOverviewClass[] = L"TFormPrehledPoj";

enum MainWindowControl : int {
    kMainLabel1Id = 201,
    kMainLabel3Id = 202,
    kMainLabel2Id = 203,
    kMainKpcId = 211,         // sbKPC, Tag 1
    kMainGpcId = 212,         // sbGPC, Tag 2
    kMainGeminyId = 213,      // sbGeminy, Tag 3
    kMainCfgId = 214,         // sbCFG, invisible
    kMainEldpId = 215,        // sbELDP
    kMainInfoId = 216,        // SpeedButton1 "Informace"
    kMainPrehledPojId = 217,  // sbPrehledPoj, disabled
    kMainUpgradeId = 218,     // sbUpgrade
    kMainExitId = 219,        // sbExit "Konec"
};

enum PremiumOverviewControl : int {
    kPremiumBackId = 301,  // "Zpět"
    kPremiumFirstEditId = 311,
};

}  // namespace zerkon
