/* Looks at the X server for the end-to-end tests, whichever program (Linux
 * or Wine) made the windows:
 *   xprobe client WINDOW            "ID X Y W H" of the window's one child (the GL client area)
 *   xprobe geometry WINDOW          "ID X Y W H" of the window itself
 *   xprobe scene WINDOW TABLE NAME  checks WINDOW's pixels against scene NAME of TABLE
 *   xprobe digest WINDOW            a digest of WINDOW's pixels
 *   xprobe popup                    "ID X Y W H" of the topmost open popup (override-redirect)
 *   xprobe marks WINDOW ROWS        which of ROWS equal rows carry a mark left of their labels
 *   xprobe ink WINDOW X Y W H       whether that part of WINDOW shows text (dark pixels)
 *   xprobe close WINDOW             asks WINDOW to close, as a window manager's close box does
 * Geometry is in root coordinates. Exit status 0 when the answer is yes. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static Display* display;

static void Die(const char* what)
{
    fprintf(stderr, "xprobe: %s\n", what);
    exit(2);
}

static void PrintGeometry(Window window)
{
    XWindowAttributes a;
    Window child;
    int x, y;
    XGetWindowAttributes(display, window, &a);
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    printf("0x%lx %d %d %d %d\n", window, x, y, a.width, a.height);
}

/* The window's pixels as 0xRRGGBB, on a 24-bit true-colour screen. */
typedef struct {
    int w, h;
    XImage* image;
} Picture;

static Picture Grab(Window window)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable)
        Die("window not viewable");
    Picture p = {a.width, a.height, XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap)};
    if (!p.image)
        Die("cannot read the window's pixels");
    return p;
}

static unsigned long Pixel(const Picture* p, int i, int j)
{
    return XGetPixel(p->image, i, j) & 0xffffff;
}

static int IsWhite(unsigned long c)
{
    return (c >> 16) >= 240 && ((c >> 8) & 255) >= 240 && (c & 255) >= 240;
}

static int IsGrey(unsigned long c)
{
    int r = c >> 16, g = (c >> 8) & 255, b = c & 255;
    int lo = r < g ? (r < b ? r : b) : (g < b ? g : b), hi = r > g ? (r > b ? r : b) : (g > b ? g : b);
    return lo >= 96 && hi <= 160 && hi - lo <= 16;
}

static int IsInk(unsigned long c)
{
    return (c >> 16) < 100 && ((c >> 8) & 255) < 100 && (c & 255) < 100;
}

/* One prediction: grey within 1.5 px of the scene point, or only white within 2 px. */
static int Check(const Picture* p, int grey, double x, double y)
{
    double scale = (p->h < p->w ? p->h : p->w) / 200.0, tol = grey ? 1.5 : 2;
    double cx = p->w / 2.0 + x * scale, cy = p->h / 2.0 - y * scale;
    int greys = 0, others = 0, seen = 0;
    for (int j = (int)floor(cy - tol); j <= cy + tol; j++)
        for (int i = (int)floor(cx - tol); i <= cx + tol; i++) {
            if (i < 0 || j < 0 || i >= p->w || j >= p->h || fabs(i + 0.5 - cx) > tol || fabs(j + 0.5 - cy) > tol)
                continue;
            unsigned long c = Pixel(p, i, j);
            seen++;
            greys += IsGrey(c);
            others += !IsWhite(c);
        }
    int ok = seen > 0 && (grey ? greys > 0 : others == 0);
    if (!ok)
        printf("  expected %s at scene (%g, %g), pixel (%.1f, %.1f)\n", grey ? "grey" : "white", x, y, cx, cy);
    return ok;
}

static int Scene(Window window, const char* table, const char* name)
{
    FILE* f = fopen(table, "r");
    if (!f)
        Die("cannot read the scene table");
    Picture p = Grab(window);
    char line[256], kind[16], word[32];
    int in = 0, found = 0, ok = 1;
    double x, y;
    while (fgets(line, sizeof line, f)) {
        if (sscanf(line, "scene %31s", word) == 1) {
            in = strcmp(word, name) == 0;
            found |= in;
        } else if (in && sscanf(line, "%15s ring %lf", kind, &x) == 2) {
            for (int k = 0; k < 16; k++) {
                double a = (k + 0.5) * M_PI / 8;
                ok &= Check(&p, kind[0] == 'g', x * sin(a), x * cos(a));
            }
        } else if (in && sscanf(line, "%15s %lf %lf", kind, &x, &y) == 3) {
            ok &= Check(&p, kind[0] == 'g', x, y);
        }
    }
    fclose(f);
    XDestroyImage(p.image);
    if (!found)
        Die("no such scene");
    return ok ? 0 : 1;
}

static int Digest(Window window)
{
    Picture p = Grab(window);
    unsigned long long h = 14695981039346656037ull;
    for (int j = 0; j < p.h; j++)
        for (int i = 0; i < p.w; i++)
            h = (h ^ Pixel(&p, i, j)) * 1099511628211ull;
    XDestroyImage(p.image);
    printf("%016llx\n", h);
    return 0;
}

static int Popup(void)
{
    Window root, parent, *children;
    unsigned count;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    int found = 1;
    for (unsigned k = count; found && k-- > 0;) {
        XWindowAttributes a;
        if (XGetWindowAttributes(display, children[k], &a) && a.override_redirect &&
            a.map_state == IsViewable && a.width > 4 && a.height > 4) {
            PrintGeometry(children[k]);
            found = 0;
        }
    }
    XFree(children);
    return found;
}

/* A row is marked when its leftmost ink lies well left of the rows' usual label start. */
static int Marks(Window window, int rows)
{
    Picture p = Grab(window);
    int left[64], sorted[64];
    if (rows < 1 || rows > 64)
        Die("bad row count");
    for (int r = 0; r < rows; r++) {
        left[r] = p.w;
        for (int j = r * p.h / rows; j < (r + 1) * p.h / rows; j++)
            for (int i = 3; i < left[r] && j >= 3 && j < p.h - 3; i++) /* inside the border */
                if (IsInk(Pixel(&p, i, j)))
                    left[r] = i;
        sorted[r] = left[r];
    }
    for (int a = 0; a < rows; a++)
        for (int b = a + 1; b < rows; b++)
            if (sorted[b] < sorted[a]) {
                int t = sorted[a];
                sorted[a] = sorted[b];
                sorted[b] = t;
            }
    for (int r = 0; r < rows; r++)
        if (left[r] < sorted[rows / 2] - 4)
            printf("%d\n", r);
    XDestroyImage(p.image);
    return 0;
}

static int Ink(Window window, int x, int y, int w, int h)
{
    Picture p = Grab(window);
    int dark = 0;
    for (int j = y; j < y + h && j < p.h; j++)
        for (int i = x; i < x + w && i < p.w; i++)
            dark += IsInk(Pixel(&p, i, j));
    XDestroyImage(p.image);
    return dark >= 10 ? 0 : 1;
}

static int Close(Window window)
{
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    return 0;
}

static int Client(Window window)
{
    Window root, parent, *children;
    unsigned count;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return 1;
    if (count == 1)
        PrintGeometry(children[0]);
    XFree(children);
    return count == 1 ? 0 : 1;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        Die("usage: xprobe client|geometry|scene|digest|popup|marks|ink|close ...");
    if (!(display = XOpenDisplay(NULL)))
        Die("cannot open display");
    Window window = argc > 2 ? strtoul(argv[2], NULL, 0) : 0;
    const char* verb = argv[1];
    int code = 2;
    if (!strcmp(verb, "client") && argc == 3)
        code = Client(window);
    else if (!strcmp(verb, "geometry") && argc == 3)
        code = (PrintGeometry(window), 0);
    else if (!strcmp(verb, "scene") && argc == 5)
        code = Scene(window, argv[3], argv[4]);
    else if (!strcmp(verb, "digest") && argc == 3)
        code = Digest(window);
    else if (!strcmp(verb, "popup") && argc == 2)
        code = Popup();
    else if (!strcmp(verb, "marks") && argc == 4)
        code = Marks(window, atoi(argv[3]));
    else if (!strcmp(verb, "ink") && argc == 7)
        code = Ink(window, atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
    else if (!strcmp(verb, "close") && argc == 3)
        code = Close(window);
    else
        Die("bad arguments");
    XCloseDisplay(display);
    return code;
}
