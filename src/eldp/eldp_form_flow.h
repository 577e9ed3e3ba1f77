#pragma once
// What the ELDP entry form does, step by step: loading the payroll program's data file into the
// fields, the three output buttons and "Zpět". The window supplies its controls through
// EldpFormView; everything else comes in through the output services.

#include <functional>
#include <string>
#include <string_view>

#include "eldp/eldp_output.h"
#include "eldp/eldp_record.h"
#include "platform/message_box.h"

namespace zerkon {

// The window's caption: this text followed directly by the program's file version.
std::string EldpFormCaption(std::string_view file_version);

// The form's controls.
class EldpFormView {
  public:
    virtual ~EldpFormView() = default;
    // The record as the controls hold it now (texts as shown, marks as checked).
    virtual EldpRecord ReadRecord() = 0;
    // Puts the record's texts and marks into the controls.
    virtual void ShowRecord(const EldpRecord& record) = 0;
    // Moves the keyboard focus to the year field; the field that had it finishes its editing
    // (a half-typed date is revised) before this returns.
    virtual void FocusYear() = 0;
    // The title's hint: which file the data came from.
    virtual void ShowDataFileHint(std::string_view path) = 0;
    // "Opětovné načtení dat" becomes visible.
    virtual void ShowReloadButton() = 0;
    // Puts the caret into the field of that name (leRC, leDny2).
    virtual void FocusField(std::string_view name) = 0;
};

class EldpFormFlow {
  public:
    // end_program asks the main window to close, which ends the program.
    EldpFormFlow(EldpFormView& view, EldpOutputServices& services, MessageBoxes& boxes,
                 std::function<void()> end_program);

    // The form was created: in ELDP mode the data file is loaded at once.
    void Opened();
    // sbReloadClick: the data file is read again. Typed texts are overwritten (emptied when
    // their key is missing); month boxes keep their marks.
    void Reload();
    // sbTiskClick for the button with this Tag (28150, 29150 print, 22150 XML). The XML is
    // checked first: with problems the user is asked whether to save anyway, and "Ne" puts the
    // caret into the first field named.
    EldpOutcome Output(int tag);
    // "Dávka XML…": the chosen data files, each loaded and checked, written as one submission.
    // With problems the user is asked as for one sheet; the form's fields stay as they are.
    EldpOutcome Batch();
    // sbExitClick: in ELDP mode the whole program ends once the form has closed. The caller
    // closes the form afterwards.
    void Back();

  private:
    bool SaveAnyway(const std::string& question);
    void ReportOutcome(const EldpOutcome& outcome, bool xml);

    EldpFormView& view_;
    EldpOutputServices& services_;
    MessageBoxes& boxes_;
    std::function<void()> end_program_;
};

}  // namespace zerkon
