#include "shell/activation_filter.h"

namespace zerkon {

bool ActivationFilter::WindowActivated(bool active) {
    bool switched_in = application_switch_;
    application_switch_ = false;
    if (!active || in_handler_) return false;
    if (activated_once_ && switched_in) return false;
    activated_once_ = true;
    in_handler_ = true;
    return true;
}

}  // namespace zerkon
