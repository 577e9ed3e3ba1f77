#pragma once
// When the main window's activation handler runs: whenever the window becomes active (first
// show, return from a modal window, restored from the task bar), except when the user merely
// switches back from another program to the main window they left it from; and never again while
// it is still running. Decided from each activation message alone, so nothing remembered from
// other windows' messages can make it skip a real activation.

namespace zerkon {

struct ActivationChange {
    bool active = false;  // becoming active (true) or inactive
    // The window on the other side of the change (the one deactivated when becoming active, the
    // one activated when becoming inactive) belongs to this program.
    bool other_window_in_program = false;
    bool minimised = false;  // the main window is minimised
};

class ActivationFilter {
  public:
    // True when the handler is to run now; the caller then calls HandlerDone() when it returns.
    bool WindowActivated(const ActivationChange& change);
    void HandlerDone() { in_handler_ = false; }

  private:
    bool activated_once_ = false;
    bool left_program_from_here_ = false;
    bool in_handler_ = false;
};

}  // namespace zerkon
