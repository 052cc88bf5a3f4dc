#include "win32_fake.h"

#include "gl_recorder.h"

namespace {

const HWND kFakeDialog = reinterpret_cast<HWND>(uintptr_t(0xD1A));

struct Fake {
    std::vector<Win32Call> calls;
    PIXELFORMATDESCRIPTOR described{};
    int pixelFormat = 0; // as set by SetPixelFormat
    bool createContextFails = false;
    bool makeCurrentFails = false;
    UINT realizedEntries = 0;
    bool runDialogInit = false;
    std::set<UINT> checked;
    std::map<int, std::optional<std::string>> itemTexts;
    std::vector<RecordedPalette> palettes;
};

Fake g_fake;

void Record(const char* name, std::vector<uintptr_t> args)
{
    g_fake.calls.push_back({name, args, GlCalls().size()});
}

PIXELFORMATDESCRIPTOR TrueColourFormat()
{
    PIXELFORMATDESCRIPTOR pfd = {};
    pfd.nSize = sizeof(pfd);
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.cColorBits = 24;
    pfd.cRedBits = pfd.cGreenBits = pfd.cBlueBits = 8;
    pfd.cRedShift = 16;
    pfd.cGreenShift = 8;
    pfd.cDepthBits = 24;
    return pfd;
}

} // namespace

const HDC kFakeDC = reinterpret_cast<HDC>(uintptr_t(0xDC));
const HMENU kFakeMenu = reinterpret_cast<HMENU>(uintptr_t(0x3E4));
const HGLRC kFakeContext = reinterpret_cast<HGLRC>(uintptr_t(0x6C));
const HPALETTE kFakePalette = reinterpret_cast<HPALETTE>(uintptr_t(0xBA1));
const LRESULT kDefWindowProcResult = 0xDEF;

void ResetWin32Fake()
{
    g_fake = Fake();
    g_fake.described = TrueColourFormat();
}

const std::vector<Win32Call>& Win32Calls()
{
    return g_fake.calls;
}

std::vector<std::string> Win32CallNames()
{
    std::vector<std::string> names;
    for (const Win32Call& call : g_fake.calls)
        names.push_back(call.name);
    return names;
}

void ClearWin32Calls()
{
    g_fake.calls.clear();
}

void SetDescribedPixelFormat(const PIXELFORMATDESCRIPTOR& pfd)
{
    g_fake.described = pfd;
}

void FailWglCreateContext()
{
    g_fake.createContextFails = true;
}

void FailWglMakeCurrent()
{
    g_fake.makeCurrentFails = true;
}

void SetRealizedEntries(UINT count)
{
    g_fake.realizedEntries = count;
}

void RunDialogInitialisation()
{
    g_fake.runDialogInit = true;
}

std::set<UINT> CheckedMenuItems()
{
    return g_fake.checked;
}

std::map<int, std::optional<std::string>> DialogItemTexts()
{
    return g_fake.itemTexts;
}

const std::vector<RecordedPalette>& CreatedPalettes()
{
    return g_fake.palettes;
}

// windows and messages

BOOL WINAPI InvalidateRect(HWND window, const RECT* rect, BOOL erase)
{
    Record("InvalidateRect", {Arg(window), Arg(rect), uintptr_t(erase)});
    return TRUE;
}

BOOL WINAPI ValidateRect(HWND window, const RECT* rect)
{
    Record("ValidateRect", {Arg(window), Arg(rect)});
    return TRUE;
}

BOOL WINAPI DestroyWindow(HWND window)
{
    Record("DestroyWindow", {Arg(window)});
    return TRUE;
}

LRESULT WINAPI DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Record("DefWindowProc", {Arg(window), message, wParam, uintptr_t(lParam)});
    return kDefWindowProcResult;
}

void WINAPI PostQuitMessage(int exitCode)
{
    Record("PostQuitMessage", {uintptr_t(exitCode)});
}

HDC WINAPI GetDC(HWND window)
{
    Record("GetDC", {Arg(window)});
    return kFakeDC;
}

// menus

HMENU WINAPI GetMenu(HWND window)
{
    Record("GetMenu", {Arg(window)});
    return kFakeMenu;
}

DWORD WINAPI CheckMenuItem(HMENU menu, UINT id, UINT check)
{
    Record("CheckMenuItem", {Arg(menu), id, check});
    DWORD previous = g_fake.checked.count(id) ? MF_CHECKED : MF_UNCHECKED;
    if (check & MF_CHECKED)
        g_fake.checked.insert(id);
    else
        g_fake.checked.erase(id);
    return previous;
}

// dialogs

INT_PTR WINAPI DialogBoxParam(HINSTANCE instance, LPCSTR templateName, HWND parent,
                              DLGPROC dialogProc, LPARAM initParam)
{
    Record("DialogBoxParam", {Arg(instance), Arg(templateName), Arg(parent),
                              reinterpret_cast<uintptr_t>(dialogProc), uintptr_t(initParam)});
    if (g_fake.runDialogInit)
        dialogProc(kFakeDialog, WM_INITDIALOG, 0, initParam);
    return 1;
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result)
{
    Record("EndDialog", {Arg(dialog), uintptr_t(result)});
    return TRUE;
}

BOOL WINAPI SetDlgItemText(HWND dialog, int id, LPCSTR text)
{
    Record("SetDlgItemText", {Arg(dialog), uintptr_t(id), Arg(text)});
    g_fake.itemTexts[id] = text ? std::optional<std::string>(text) : std::nullopt;
    return TRUE;
}

// GDI

int WINAPI ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd)
{
    Record("ChoosePixelFormat", {Arg(dc), Arg(pfd)});
    return 1;
}

BOOL WINAPI SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd)
{
    Record("SetPixelFormat", {Arg(dc), uintptr_t(format), Arg(pfd)});
    g_fake.pixelFormat = format;
    return TRUE;
}

int WINAPI GetPixelFormat(HDC dc)
{
    Record("GetPixelFormat", {Arg(dc)});
    return g_fake.pixelFormat;
}

int WINAPI DescribePixelFormat(HDC dc, int format, UINT bytes, LPPIXELFORMATDESCRIPTOR pfd)
{
    Record("DescribePixelFormat", {Arg(dc), uintptr_t(format), bytes, Arg(pfd)});
    if (pfd && bytes >= sizeof(PIXELFORMATDESCRIPTOR))
        *pfd = g_fake.described;
    return 1;
}

HPALETTE WINAPI CreatePalette(const LOGPALETTE* logPalette)
{
    Record("CreatePalette", {Arg(logPalette)});
    RecordedPalette palette = {logPalette->palVersion, logPalette->palNumEntries, {}};
    palette.entries.assign(logPalette->palPalEntry,
                           logPalette->palPalEntry + logPalette->palNumEntries);
    g_fake.palettes.push_back(palette);
    return kFakePalette;
}

HPALETTE WINAPI SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground)
{
    Record("SelectPalette", {Arg(dc), Arg(palette), uintptr_t(forceBackground)});
    return NULL;
}

UINT WINAPI RealizePalette(HDC dc)
{
    Record("RealizePalette", {Arg(dc)});
    return g_fake.realizedEntries;
}

BOOL WINAPI UpdateColors(HDC dc)
{
    Record("UpdateColors", {Arg(dc)});
    return TRUE;
}

BOOL WINAPI DeleteObject(HGDIOBJ object)
{
    Record("DeleteObject", {Arg(object)});
    return TRUE;
}

BOOL WINAPI SwapBuffers(HDC dc)
{
    Record("SwapBuffers", {Arg(dc)});
    return TRUE;
}

// WGL

HGLRC WINAPI wglCreateContext(HDC dc)
{
    Record("wglCreateContext", {Arg(dc)});
    return g_fake.createContextFails ? NULL : kFakeContext;
}

BOOL WINAPI wglMakeCurrent(HDC dc, HGLRC context)
{
    Record("wglMakeCurrent", {Arg(dc), Arg(context)});
    return g_fake.makeCurrentFails ? FALSE : TRUE;
}

BOOL WINAPI wglDeleteContext(HGLRC context)
{
    Record("wglDeleteContext", {Arg(context)});
    return TRUE;
}
