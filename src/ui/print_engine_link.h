#pragma once
// The print engine hand-off as the program's windows use it: the engine found through the
// maker's registry key, its messages from the program's message file, the request naming the
// main window, and the emergency stop asking the main window to close.

#include <windows.h>

#include "common/file_system.h"
#include "platform/message_box.h"
#include "print/print_engine_flow.h"
#include "shell/program_context.h"

namespace zerkon {

PrintEngineFlow ProgramPrintEngine(HWND main_window, MessageBoxes& boxes,
                                   const ProgramContext& context, FileSystem& files);

}  // namespace zerkon
