#pragma once
// The print engine hand-off as the program's windows use it: the engine found through the
// maker's registry key, its messages from the program's message file, the request naming the
// main window, and the emergency stop asking the main window to close.

#include <windows.h>

#include "platform/message_box.h"
#include "print/engine_handoff.h"
#include "shell/program_context.h"

namespace zerkon {

PrintEngineHandOff ProgramPrintEngine(HWND main_window, MessageBoxes& boxes,
                                      const ProgramContext& context);

}  // namespace zerkon
