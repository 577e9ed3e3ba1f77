#pragma once
// A read-only multi-line text window that answers like a read-only EDIT
// (WM_SETTEXT/WM_GETTEXT, EM_GETLINECOUNT, EM_LINEFROMCHAR, EM_LINEINDEX,
// EM_GETSEL/EM_SETSEL, WM_COPY) but draws only the lines in view. The standard
// EDIT measures every line when its text is set, which takes about a minute
// for a statement of a million lines under Wine; this window indexes the
// line starts of the one text it holds (Windows-1250, a byte a character) and
// is ready at once. TMMemo uses it for read-only memos. Colours come from the
// parent's WM_CTLCOLORSTATIC, as for a read-only EDIT.

#include <windows.h>

#include <string>

namespace zerkon {

inline constexpr wchar_t kMemoViewClass[] = L"ZerkonMemoView";

// Registers the window class (once).
void RegisterMemoViewClass();

// Hands the view its whole text (program text, lines ending in CR LF) without
// a copy. False, with the view left empty, when it cannot hold the text.
bool SetMemoViewText(HWND view, std::string text);

}  // namespace zerkon
