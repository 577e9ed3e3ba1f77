#pragma once
// The folders the whole program works with: its own folder and its template folder.

#include <string>
#include <string_view>

namespace zerkon {

inline constexpr std::string_view kSourceFolderName = "sourceZERKON\\";

// The folder of a file path, with trailing backslash ("C:\Prog\zerkon.exe" -> "C:\Prog\").
// Both "\" and "/" count as separators; a bare file name gives an empty folder.
std::string FolderOf(std::string_view file_path);

// Shared path variables (Windows-1250), set at every activation of the main window and empty
// before it. ProgramFolder ends with a backslash; SourceFolder is ProgramFolder +
// "sourceZERKON\" except while an ELDP output points it at the payroll program's folder.
extern std::string ProgramFolder;
extern std::string SourceFolder;

}  // namespace zerkon
