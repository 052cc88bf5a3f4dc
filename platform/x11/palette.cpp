// GDI logical palettes over X colormaps. On a true-colour visual there is
// nothing to realise: the program only makes a palette when the pixel
// format asks for one. On a colour-mapped visual the entries are stored in
// a writable colormap of the client window's visual.
#include "state.h"

#include <algorithm>

namespace {

UINT Realize(CoreDC* dc)
{
    NativeWindow* window = dc->window->native;
    PlatformPalette* palette = reinterpret_cast<PlatformPalette*>(dc->palette);
    const XVisualInfo* visual = VisualOf(reinterpret_cast<HDC>(dc));
    if (!palette || !visual || !window->glWindow ||
        (visual->c_class != PseudoColor && visual->c_class != GrayScale &&
         visual->c_class != DirectColor))
        return 0;
    Display* display = g_platform.display;
    TrapXErrors();
    if (!palette->colormap)
        palette->colormap =
            XCreateColormap(display, RootWindow(display, visual->screen), visual->visual, AllocAll);
    int count = std::min(static_cast<int>(palette->entries.size()), visual->colormap_size);
    std::vector<XColor> colors(count);
    for (int i = 0; i < count; i++) {
        const PALETTEENTRY& entry = palette->entries[i];
        colors[i].pixel = i;
        colors[i].red = entry.peRed * 257;
        colors[i].green = entry.peGreen * 257;
        colors[i].blue = entry.peBlue * 257;
        colors[i].flags = DoRed | DoGreen | DoBlue;
    }
    XStoreColors(display, palette->colormap, colors.data(), count);
    XSetWindowColormap(display, window->glWindow, palette->colormap);
    XInstallColormap(display, palette->colormap);
    return UntrapXErrors("cannot realise the palette") ? count : 0;
}

} // namespace

HPALETTE WINAPI CreatePalette(const LOGPALETTE* logPalette)
{
    if (!logPalette || logPalette->palVersion != 0x300 || logPalette->palNumEntries == 0)
        return NULL;
    auto* palette = new PlatformPalette();
    palette->entries.assign(logPalette->palPalEntry,
                            logPalette->palPalEntry + logPalette->palNumEntries);
    return reinterpret_cast<HPALETTE>(palette);
}

UINT WINAPI RealizePalette(HDC handle)
{
    CoreDC* dc = LiveDC(handle);
    return dc ? Realize(dc) : 0;
}

// Palettes are the only GDI objects the program makes.
BOOL WINAPI DeleteObject(HGDIOBJ object)
{
    auto* palette = static_cast<PlatformPalette*>(object);
    if (!palette)
        return FALSE;
    for (CoreWindow* window : Windows()) {
        if (window->dc.palette == reinterpret_cast<HPALETTE>(palette))
            window->dc.palette = nullptr;
    }
    if (palette->colormap)
        XFreeColormap(g_platform.display, palette->colormap);
    delete palette;
    return TRUE;
}
