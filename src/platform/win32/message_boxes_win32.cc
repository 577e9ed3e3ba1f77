#include "platform/win32/message_boxes_win32.h"

#include "platform/win32/wide_text.h"

namespace zerkon {

MessageResult Win32MessageBoxes::Show(std::string_view text, std::string_view caption,
                                      MessageIcon icon, MessageButtons buttons) {
    UINT style = buttons == MessageButtons::OkCancel         ? MB_OKCANCEL
                 : buttons == MessageButtons::YesNo          ? MB_YESNO
                 : buttons == MessageButtons::YesNoDefaultNo ? MB_YESNO | MB_DEFBUTTON2
                                                             : MB_OK;
    switch (icon) {
        case MessageIcon::Information:
            style |= MB_ICONINFORMATION;
            break;
        case MessageIcon::Warning:
            style |= MB_ICONWARNING;
            break;
        case MessageIcon::Error:
            style |= MB_ICONERROR;
            break;
        case MessageIcon::Question:
            style |= MB_ICONQUESTION;
            break;
        case MessageIcon::None:
            break;
    }
    switch (MessageBoxW(owner_, Wide(text).c_str(), Wide(caption).c_str(), style)) {
        case IDCANCEL:
            return MessageResult::Cancel;
        case IDYES:
            return MessageResult::Yes;
        case IDNO:
            return MessageResult::No;
        default:
            return MessageResult::Ok;
    }
}

}  // namespace zerkon
