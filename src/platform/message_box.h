#pragma once
// Modal message boxes. Texts and captions are Windows-1250 program text.

#include <string_view>

namespace zerkon {

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoDefaultNo };
enum class MessageResult { Ok, Cancel, Yes, No };

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual MessageResult Show(std::string_view text, std::string_view caption, MessageIcon icon,
                               MessageButtons buttons) = 0;
};

}  // namespace zerkon
