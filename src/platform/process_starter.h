#pragma once
// Starts another program from a command line, without waiting for it.

#include <string_view>

namespace zerkon {

class ProcessStarter {
  public:
    virtual ~ProcessStarter() = default;
    // `command_line` is Windows-1250 text: the program (quoted when it may hold
    // blanks, see QuoteProgramPath) followed by its arguments. The program's
    // window is shown normally. False when the program could not be started.
    virtual bool Start(std::string_view command_line) = 0;
};

// CreateProcess with the window shown normally (Windows only; win32/process_starter.cc).
ProcessStarter& SystemProcessStarter();

}  // namespace zerkon
