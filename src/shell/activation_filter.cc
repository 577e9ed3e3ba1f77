#include "shell/activation_filter.h"

namespace zerkon {

bool ActivationFilter::WindowActivated(const ActivationChange& change) {
    if (!change.active) {
        // Minimising is no leaving: the next activation restores the window.
        left_program_from_here_ = !change.other_window_in_program && !change.minimised;
        return false;
    }
    const bool switched_back = !change.other_window_in_program && left_program_from_here_;
    left_program_from_here_ = false;
    if (in_handler_ || (activated_once_ && switched_back)) return false;
    activated_once_ = true;
    in_handler_ = true;
    return true;
}

}  // namespace zerkon
