/* Looks at the X server for the end-to-end tests, whichever program (Linux
 * or Wine) made the windows:
 *   xprobe client WINDOW            "ID X Y W H" of the window's one child (the GL client area)
 *   xprobe geometry WINDOW          "ID X Y W H" of the window itself
 *   xprobe scene WINDOW TABLE NAME  checks WINDOW's pixels against scene NAME of TABLE
 *   xprobe digest WINDOW            a digest of WINDOW's pixels
 *   xprobe popup                    "ID X Y W H" of the topmost open popup (override-redirect)
 *   xprobe marks WINDOW ROWS        which of ROWS equal rows carry a mark left of their labels
 *   xprobe ink WINDOW X Y W H       whether that part of WINDOW shows text (dark pixels)
 * Geometry is in root coordinates; pixels are read from a 24-bit true-colour
 * screen. Exit status 0 when the answer is yes. */
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

static int PrintGeometry(Window window)
{
    XWindowAttributes a;
    Window child;
    int x, y;
    XGetWindowAttributes(display, window, &a);
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    printf("0x%lx %d %d %d %d\n", window, x, y, a.width, a.height);
    return 0;
}

static XImage* Grab(Window window)
{
    XWindowAttributes a;
    if (!XGetWindowAttributes(display, window, &a) || a.map_state != IsViewable)
        Die("window not viewable");
    XImage* image = XGetImage(display, window, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    if (!image)
        Die("cannot read the window's pixels");
    return image;
}

/* 'w' white, 'g' the program's grey, 'k' ink (dark text), 'o' anything else. */
static char Kind(XImage* image, int i, int j)
{
    unsigned long c = XGetPixel(image, i, j);
    int r = (c >> 16) & 255, g = (c >> 8) & 255, b = c & 255;
    int lo = fmin(r, fmin(g, b)), hi = fmax(r, fmax(g, b));
    return lo >= 240 ? 'w' : hi < 100 ? 'k' : lo >= 96 && hi <= 160 && hi - lo <= 16 ? 'g' : 'o';
}

/* One prediction: grey within 1.5 px of the scene point, or only white within 2 px. */
static int Check(XImage* p, int grey, double x, double y)
{
    double scale = fmin(p->width, p->height) / 200.0, tol = grey ? 1.5 : 2;
    double cx = p->width / 2.0 + x * scale, cy = p->height / 2.0 - y * scale;
    int greys = 0, others = 0, seen = 0;
    for (int j = (int)floor(cy - tol); j <= cy + tol; j++)
        for (int i = (int)floor(cx - tol); i <= cx + tol; i++) {
            if (i < 0 || j < 0 || i >= p->width || j >= p->height || fabs(i + 0.5 - cx) > tol ||
                fabs(j + 0.5 - cy) > tol)
                continue;
            char kind = Kind(p, i, j);
            seen++;
            greys += kind == 'g';
            others += kind != 'w';
        }
    int ok = seen > 0 && (grey ? greys > 0 : others == 0);
    if (!ok)
        printf("  expected %s at scene (%g, %g), pixel (%.1f, %.1f)\n", grey ? "grey" : "white", x,
               y, cx, cy);
    return ok;
}

static int Scene(Window window, const char* table, const char* name)
{
    FILE* f = fopen(table, "r");
    if (!f)
        Die("cannot read the scene table");
    XImage* p = Grab(window);
    char line[256], kind[16], word[32];
    int in = 0, found = 0, ok = 1;
    double x, y;
    while (fgets(line, sizeof line, f)) {
        if (sscanf(line, "scene %31s", word) == 1)
            found |= in = strcmp(word, name) == 0;
        else if (in && sscanf(line, "%15s ring %lf", kind, &x) == 2)
            for (int k = 0; k < 16; k++)
                ok &= Check(p, kind[0] == 'g', x * sin((k + .5) * M_PI / 8),
                            x * cos((k + .5) * M_PI / 8));
        else if (in && sscanf(line, "%15s %lf %lf", kind, &x, &y) == 3)
            ok &= Check(p, kind[0] == 'g', x, y);
    }
    fclose(f);
    XDestroyImage(p);
    if (!found)
        Die("no such scene");
    return !ok;
}

static int Digest(Window window)
{
    XImage* p = Grab(window);
    unsigned long long h = 14695981039346656037ull;
    for (int j = 0; j < p->height; j++)
        for (int i = 0; i < p->width; i++)
            h = (h ^ XGetPixel(p, i, j)) * 1099511628211ull;
    XDestroyImage(p);
    printf("%016llx\n", h);
    return 0;
}

/* A child of PARENT: its only one, or with POPUP the topmost open override-redirect one. */
static int PrintChild(Window parent, int popup)
{
    Window root, up, *children = NULL;
    unsigned count = 0;
    int code = 1;
    XQueryTree(display, parent, &root, &up, &children, &count);
    for (unsigned k = count; code && k-- > 0;) {
        XWindowAttributes a;
        if (popup ? XGetWindowAttributes(display, children[k], &a) && a.override_redirect &&
                        a.map_state == IsViewable && a.width > 4 && a.height > 4
                  : count == 1)
            code = PrintGeometry(children[k]);
    }
    XFree(children);
    return code;
}

static int Compare(const void* a, const void* b)
{
    return *(const int*)a - *(const int*)b;
}

/* A row is marked when its leftmost ink lies well left of the rows' usual label start. */
static int Marks(Window window, int rows)
{
    XImage* p = Grab(window);
    int left[64], sorted[64];
    if (rows < 1 || rows > 64)
        Die("bad row count");
    for (int r = 0; r < rows; r++) {
        left[r] = p->width;
        for (int j = r * p->height / rows; j < (r + 1) * p->height / rows; j++)
            for (int i = 3; i < left[r] && j >= 3 && j < p->height - 3; i++) /* inside the border */
                if (Kind(p, i, j) == 'k')
                    left[r] = i;
    }
    memcpy(sorted, left, sizeof left);
    qsort(sorted, rows, sizeof *sorted, Compare);
    for (int r = 0; r < rows; r++)
        if (left[r] < sorted[rows / 2] - 4)
            printf("%d\n", r);
    XDestroyImage(p);
    return 0;
}

static int Ink(Window window, int x, int y, int w, int h)
{
    XImage* p = Grab(window);
    int dark = 0;
    for (int j = y; j < y + h && j < p->height; j++)
        for (int i = x; i < x + w && i < p->width; i++)
            dark += Kind(p, i, j) == 'k';
    XDestroyImage(p);
    return dark < 10;
}

int main(int argc, char** argv)
{
    if (argc < 2 || !(display = XOpenDisplay(NULL)))
        Die("usage: xprobe client|geometry|scene|digest|popup|marks|ink ..., on a display");
    Window window = argc > 2 ? strtoul(argv[2], NULL, 0) : 0;
    const char* verb = argv[1];
    int code = 2;
    if (!strcmp(verb, "client") && argc == 3)
        code = PrintChild(window, 0);
    else if (!strcmp(verb, "geometry") && argc == 3)
        code = PrintGeometry(window);
    else if (!strcmp(verb, "scene") && argc == 5)
        code = Scene(window, argv[3], argv[4]);
    else if (!strcmp(verb, "digest") && argc == 3)
        code = Digest(window);
    else if (!strcmp(verb, "popup") && argc == 2)
        code = PrintChild(DefaultRootWindow(display), 1);
    else if (!strcmp(verb, "marks") && argc == 4)
        code = Marks(window, atoi(argv[3]));
    else if (!strcmp(verb, "ink") && argc == 7)
        code = Ink(window, atoi(argv[3]), atoi(argv[4]), atoi(argv[5]), atoi(argv[6]));
    else
        Die("bad arguments");
    XCloseDisplay(display);
    return code;
}
