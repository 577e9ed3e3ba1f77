#pragma once
// Small text helpers on Windows-1250 byte strings. Positions are byte
// positions. None of them fails: bad input gives a neutral result.

#include <string>
#include <string_view>

namespace zerkon {

// Every c becomes the first character of r; when r is empty every c is removed.
void ReplaceChar(std::string& text, char c, std::string_view r);
std::string ReplaceCharCopy(std::string_view text, char c, std::string_view r);

// Replaces occurrences of old_text by new_text from the left. A match that
// starts before the end of the text inserted by the previous replacement (the
// replacement contains old_text or forms it with what precedes it) ends the
// loop, so "aa" with "a" -> "ab" gives "aba". Nothing happens when old_text
// equals new_text or is empty.
void ReplaceAll(std::string& text, std::string_view old_text, std::string_view new_text);
// Replaces only the first occurrence.
void ReplaceFirst(std::string& text, std::string_view old_text, std::string_view new_text);

// Prefixes fill until the text is width long (width is clamped to 0..255).
std::string PadLeft(std::string_view text, int width, char fill);

// Cuts the first open...close segment out of text and returns what lay between
// the delimiters (with them when include_delimiters). With open == close the
// segment runs to the next occurrence, or to the end of the text. When a
// delimiter is missing, or close comes before open, returns "" and leaves the
// text unchanged.
std::string ExtractDelimited(std::string& text, char open, char close, bool include_delimiters);

// Returns the text before the first separator and removes it together with
// the separator; without a separator returns the whole text and empties it.
std::string SplitAt(std::string& text, std::string_view separator);

// True when the text holds nothing but '0' (also for the empty text).
bool IsAllZeros(std::string_view text);
std::string RepeatString(std::string_view text, int n);

// Trailing / leading spaces (code 32 only).
std::string TrimRightSpaces(std::string_view text);
std::string TrimLeftSpaces(std::string_view text);
// The no-break space (0xA0) becomes an ordinary space.
std::string NoBreakToSpace(std::string_view text);
// Removes spaces and no-break spaces.
std::string RemoveBlanks(std::string_view text);

}  // namespace zerkon
