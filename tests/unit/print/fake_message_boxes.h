#pragma once
// Message boxes that record what would have been shown and answer as told.

#include <string>
#include <vector>

#include "platform/message_box.h"

namespace zerkon::testing {

struct ShownBox {
    std::string text;
    std::string caption;
    MessageIcon icon;
    MessageButtons buttons;
};

class FakeMessageBoxes final : public MessageBoxes {
  public:
    MessageResult Show(std::string_view text, std::string_view caption, MessageIcon icon,
                       MessageButtons buttons) override {
        shown.push_back({std::string(text), std::string(caption), icon, buttons});
        return answer;
    }
    std::vector<ShownBox> shown;
    MessageResult answer = MessageResult::Ok;
};

}  // namespace zerkon::testing
