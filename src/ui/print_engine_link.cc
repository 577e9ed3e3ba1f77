#include "ui/print_engine_link.h"

#include "platform/clock.h"
#include "platform/process_starter.h"
#include "platform/registry.h"
#include "platform/ui_feedback.h"
#include "platform/window_messenger.h"
#include "shell/maker_settings.h"

namespace zerkon {

PrintEngineFlow ProgramPrintEngine(HWND main_window, MessageBoxes& boxes,
                                   const ProgramContext& context, FileSystem& files) {
    return PrintEngineFlow(PrintEngineServices{
        .read_engine_folder =
            [] { return ReadMakerSetting(SystemRegistry(), kOlbrixSubKey, "", kInstallPathValue); },
        .windows = SystemWindowMessenger(),
        .starter = SystemProcessStarter(),
        .boxes = boxes,
        .feedback = SystemUiFeedback(),
        .clock = SystemClock(),
        .program_folder = context.program_folder,
        .own_window = reinterpret_cast<WindowHandle>(main_window),
        .message_file = ShippedMessageFile(context.program_folder),
        // The program ends through its main window, as every way out does.
        .request_quit = [main_window] { PostMessageW(main_window, WM_CLOSE, 0, 0); },
        .files = files,
    });
}

}  // namespace zerkon
