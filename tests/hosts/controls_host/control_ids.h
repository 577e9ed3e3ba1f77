#pragma once
// Window class and control ids of the controls host, shared with its tests.

namespace controls_host {

inline constexpr wchar_t kWindowClass[] = L"TZerkonControlsHost";

enum ControlId : int {
    kFilteredString = 101,  // digits only; FocusControl.Down = the disabled field
    kCurrency = 102,        // teCurrency; FocusControl.PgDown = the required field
    kInteger = 103,         // teInteger, Valid, ValueMin -100, ValueMax 0
    kDate = 104,            // "!99.99.9999", revised on exit (moRevisionSpec)
    kTime = 105,            // "!99:99", revised on exit (moRevision)
    kPickList = 106,        // teComboBox: Anna, Adam, Alena
    kDisabled = 107,
    kRequired = 108,
    kButtonField = 109,  // side button with the short cut F4; the click writes "klik"
    kLast = 110,         // FocusControl.Up = the filtered string
    kEvents = 111,       // a read-only log of OnError / OnExit events
    kEntries = 112,      // a read-only log of OnEnter events: "<id> entered <n> times"
};

}  // namespace controls_host
