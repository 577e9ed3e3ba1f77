#pragma once
// One ELDP record sheet ("Evidenční list důchodového pojištění", 2009 layout)
// as the entry form holds it: the texts of its edit controls and the marks of
// its month check boxes. Every output reads the record as it stands, so the
// texts are kept exactly as typed or loaded (date fields as their masked
// texts, "__.__.____" while untouched).

#include <array>
#include <string>
#include <string_view>

namespace zerkon {

// Masked texts of untouched date fields.
inline constexpr std::string_view kEmptyFullDate = "__.__.____";
inline constexpr std::string_view kEmptyDayMonth = "__.__.";

// A date field gives a value only when its text holds no mask blank; an empty
// text counts as filled (and gives an empty value).
bool IsDateFilled(std::string_view masked_text);

inline constexpr int kEldpRowCount = 3;
inline constexpr int kEldpMonthMarks = 13;  // January to December, then the whole year

struct EldpRow {
    std::string code;                            // leKodN
    std::string mr;                              // leMRN
    std::string from{kEmptyDayMonth};            // leOdN, day and month
    std::string to{kEmptyDayMonth};              // leDoN, day and month
    std::string days;                            // leDnyN
    std::array<bool, kEldpMonthMarks> months{};  // cbN01 .. cbN13
    std::string excluded;                        // leVylDobyN
    std::string base;                            // leVymZaklN
    std::string deducted;                        // leDobyOdectN

    // The outputs only carry rows whose code is filled in.
    bool IsUsed() const { return !code.empty(); }
};

struct EldpRecord {
    // Header.
    std::string tech_code;                        // leTechKod: never filled, never output
    std::string year;                             // leRok
    std::string type;                             // leTypELDP
    std::string correction_date{kEmptyFullDate};  // leOpravaELDP
    std::string office_code;                      // leKodELDP
    std::string office_name;                      // leMistneOSSZ

    // The insured person.
    std::string surname;                     // lePrijmeni
    std::string first_name;                  // leJmeno
    std::string title;                       // leTitul
    std::string birth_date{kEmptyFullDate};  // leDatumNar
    std::string birth_number;                // leRC
    std::string street;                      // leUlice
    std::string house_number;                // leCisDomu
    std::string birth_surname;               // lePrijmeniR
    std::string municipality;                // leObec
    std::string post_office;                 // lePosta
    std::string postcode;                    // lePSC
    std::string country;                     // leStat
    std::string birth_place;                 // leMistoNar

    // Course of insurance in the year.
    std::array<EldpRow, kEldpRowCount> rows;

    // Totals of the rows, typed or loaded, never computed.
    std::string total_excluded;  // leVylDobyCelkem
    std::string total_base;      // leVymZaklCelkem
    std::string total_deducted;  // leDobyOdectCelkem

    // The employer.
    std::string employer_name;                   // leNazevZam
    std::string employer_id;                     // leICO
    std::string variable_symbol;                 // leVS
    std::string activity_since{kEmptyFullDate};  // leCinnOd
    std::string made_out{kEmptyFullDate};        // leDatumELDP
};

// The sheet type every output carries: an empty type becomes "01", and the
// record takes that value over so that the form shows what was output.
std::string TakeSheetType(EldpRecord& record);

}  // namespace zerkon
