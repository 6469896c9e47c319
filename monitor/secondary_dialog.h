// What the main window's secondary dialogs (pop-up selection, About, bitmap
// viewer) share: centring over the main window, and the record of the one
// that is open, so that closing the monitor can end it first.
#pragma once
#include <windows.h>

#include <string>

namespace statmon {

// Centres `dialog` over `owner` (the desktop without one), inside the screen.
void CentreOver(HWND dialog, HWND owner);

// The open secondary dialog, or nullptr. They are modal over the main
// window, so at most one is open at a time.
void SetOpenSecondaryDialog(HWND dialog);
HWND OpenSecondaryDialog();

// Key names of a section of the configuration file, read into a buffer of
// `bufferSize` bytes; `length` receives the count GetPrivateProfileStringA
// answered (0 when the section is missing or empty).
std::string ReadSectionKeys(const char* iniPath, const std::string& section,
                            std::size_t bufferSize, DWORD& length);

}  // namespace statmon
