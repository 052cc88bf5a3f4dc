// Recording stand-in for the Win32 calls of app/ and render/, linked into
// unit tests instead of platform/. Every call is kept with its arguments, in
// order, together with how many GL calls the GL recorder had seen by then,
// so a test can check the order of the two kinds of call. Menu check marks
// and dialog item texts are kept per id; failures and answers are settable.
#ifndef ROBOT_OXEL_TESTS_WIN32_FAKE_H
#define ROBOT_OXEL_TESTS_WIN32_FAKE_H

#include <windows.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct Win32Call {
    std::string name;            // e.g. "InvalidateRect"
    std::vector<uintptr_t> args; // handles, pointers and numbers as given
    size_t glCallsBefore;        // size of GlCalls() when this call was made
};

// The handles the fake hands out.
extern const HDC kFakeDC;
extern const HMENU kFakeMenu;
extern const HGLRC kFakeContext;
extern const HPALETTE kFakePalette;
extern const LRESULT kDefWindowProcResult;

inline uintptr_t Arg(const void* p)
{
    return reinterpret_cast<uintptr_t>(p);
}

// Forgets calls, check marks, texts and settings; the pixel format reads as true colour.
void ResetWin32Fake();

const std::vector<Win32Call>& Win32Calls();
std::vector<std::string> Win32CallNames();
void ClearWin32Calls(); // keeps check marks, texts and settings

// Answers and failures.
void SetDescribedPixelFormat(const PIXELFORMATDESCRIPTOR& pfd); // what DescribePixelFormat gives
void FailWglCreateContext();                                     // returns NULL
void FailWglMakeCurrent();                                       // returns FALSE
void SetRealizedEntries(UINT count);                             // RealizePalette's answer
void RunDialogInitialisation(); // DialogBoxParam then sends WM_INITDIALOG to the dialog proc

// What the calls left behind.
std::set<UINT> CheckedMenuItems();
std::map<int, std::optional<std::string>> DialogItemTexts(); // nullopt: set to NULL
struct RecordedPalette {
    WORD version;
    WORD entryCount;
    std::vector<PALETTEENTRY> entries; // entryCount of them
};
const std::vector<RecordedPalette>& CreatedPalettes();

#endif
