#pragma once
// When the main window's activation handler runs: when the window becomes active within the
// program (first show, return from a modal window), not when the user merely switches back to
// the program from another one, and never again while it is still running.

namespace zerkon {

class ActivationFilter {
  public:
    // The program became the active application (WM_ACTIVATEAPP); the next window activation is
    // the switch itself.
    void ApplicationActivated() { application_switch_ = true; }
    // The window became active (or inactive). True when the handler is to run now; the caller
    // then calls HandlerDone() when it returns.
    bool WindowActivated(bool active);
    void HandlerDone() { in_handler_ = false; }

  private:
    bool activated_once_ = false;
    bool application_switch_ = false;
    bool in_handler_ = false;
};

}  // namespace zerkon
