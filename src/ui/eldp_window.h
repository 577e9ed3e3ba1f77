#pragma once
// TFormELDP: the ELDP entry form, in which the payroll clerk fills in one pension-insurance
// record sheet and prints it or exports it as XML. Its fields come from the form table
// (eldp/eldp_form_layout.h); its steps are EldpFormFlow's (eldp/eldp_form_flow.h); this window
// only holds the controls.

#include <windows.h>

#include "common/file_system.h"
#include "controls/file_version.h"
#include "shell/program_context.h"

namespace zerkon {

inline constexpr wchar_t kEldpWindowClass[] = L"TFormELDP";

// Control ids, also used by the end-to-end tests. A field's id is kEldpFirstFieldId + its index
// in EldpFormFields().
enum EldpWindowControl : int {
    kEldpFirstFieldId = 1000,
    kEldpPrintId = 2001,            // sbTisk
    kEldpPrintOriginalId = 2002,    // sbTiskOriginal
    kEldpXmlId = 2003,              // sbTiskXML
    kEldpReloadId = 2004,           // sbReload
    kEldpExitId = 2005,             // sbExit
    kEldpBatchId = 2006,            // "Dávka XML…"
    kEldpTitleId = 3000,            // LabelELDP
    kEldpFirstSectionBarId = 3001,  // Panel1 .. Panel3
    kEldpFirstColumnHeadId = 3101,  // the month column heads "1" .. "12", "1-12"
};

// Opens the form modally over `owner` (the main window) and returns when it has closed; nothing
// of it survives. In ELDP mode (context.eldp) the data file is loaded at once, and "Zpět" asks
// the owner to close (WM_CLOSE), which ends the program. An output points the context's template
// folder at the payroll program's.
void ShowEldpForm(HWND owner, ProgramContext& context, const TXFileVersion& version,
                  FileSystem& files);

}  // namespace zerkon
