#pragma once
// The settings file keeps its text one byte a character in the Windows-1252 code page, as the
// files of earlier versions of the game do; inside the program text is UTF-8.
#include <string>

// Each character of cp1252 as its byte; any other character, and every byte of a broken UTF-8
// sequence, as '?'.
std::string Utf8ToAnsi(const std::string& utf8);

// Each byte as its cp1252 character, in UTF-8. The five bytes cp1252 leaves unassigned become
// the control characters of the same number, so every byte comes back unchanged when written.
std::string AnsiToUtf8(const std::string& ansi);
