/* Times programs from outside, through the X server, without touching them:
 * the DAMAGE extension reports every drawing on a window, and a frame counts
 * as shown once the window holds a picture rather than one flat colour.
 *
 *   frame_watch start child|toplevel COMMAND [ARG...]
 *     Starts COMMAND and prints the milliseconds from just before its start
 *     to its first picture, in a child window of one of its top-levels (a
 *     client area below a menu bar) or in a top-level itself; then ends it with
 *     SIGTERM one second later and prints its peak resident memory in KiB.
 *     The program's standard output goes to /dev/null.
 *   frame_watch keys WINDOW COUNT KEY KEY
 *     Presses the two keys by turns COUNT times through XTest (the window
 *     under the pointer gets them) and, for each, prints the milliseconds to
 *     the next drawing on WINDOW and whether that first frame already showed
 *     the change.
 * Meant for a display without a window manager, whose frames and their
 * decorations would be watched as top-levels and children too. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static Display* g_display;
static int g_damageEvent; /* the extension's first event number */

static double NowMs(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

static void Die(const char* message)
{
    fprintf(stderr, "frame_watch: %s\n", message);
    exit(1);
}

/* Windows vanish and unmapped ones cannot be read: such requests just fail. */
static int IgnoreXError(Display* display, XErrorEvent* event)
{
    (void)display;
    (void)event;
    return 0;
}

static void OpenDisplay(void)
{
    g_display = XOpenDisplay(NULL);
    if (!g_display)
        Die("cannot open the display");
    int error;
    if (!XDamageQueryExtension(g_display, &g_damageEvent, &error))
        Die("the X server has no DAMAGE extension");
    XSetErrorHandler(IgnoreXError);
}

/* Waits for the next X event until the deadline; 0 when it passes. */
static int NextEvent(XEvent* event, double deadline)
{
    while (!XPending(g_display)) {
        double left = deadline - NowMs();
        if (left <= 0)
            return 0;
        int fd = ConnectionNumber(g_display);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        struct timeval wait = {(time_t)(left / 1e3), (suseconds_t)((long)left % 1000 * 1000)};
        select(fd + 1, &readable, NULL, NULL, &wait);
    }
    XNextEvent(g_display, event);
    return 1;
}

/* The window's pixels, or NULL while it cannot be read. */
static XImage* Snapshot(Window window)
{
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(g_display, window, &attributes) || attributes.map_state != IsViewable)
        return NULL;
    return XGetImage(g_display, window, 0, 0, attributes.width, attributes.height, AllPlanes,
                     ZPixmap);
}

static int IsPicture(XImage* image)
{
    unsigned long first = XGetPixel(image, 0, 0);
    for (int y = 0; y < image->height; y++) {
        for (int x = 0; x < image->width; x++) {
            if (XGetPixel(image, x, y) != first)
                return 1;
        }
    }
    return 0;
}

static int SameImage(XImage* a, XImage* b)
{
    if (!a || !b || a->width != b->width || a->height != b->height)
        return 0;
    for (int y = 0; y < a->height; y++) {
        for (int x = 0; x < a->width; x++) {
            if (XGetPixel(a, x, y) != XGetPixel(b, x, y))
                return 0;
        }
    }
    return 1;
}

/* The windows being watched and how deep each lies: 1 for a top-level (a
 * child of the root), 2 for a child of a top-level, and so on. */
enum { kMaxWindows = 256 };
static Window g_watched[kMaxWindows];
static int g_level[kMaxWindows];
static int g_watchedCount;
static Window g_root;

static int FindWatched(Window window)
{
    for (int i = 0; i < g_watchedCount; i++) {
        if (g_watched[i] == window)
            return i;
    }
    return -1;
}

static int LevelUnder(Window parent)
{
    if (parent == g_root)
        return 1;
    int i = FindWatched(parent);
    return i < 0 ? 0 : g_level[i] + 1;
}

/* The time of the first picture in WINDOW when it lies at the wanted level; 0 before. */
static double PictureShown(Window window, int wantLevel)
{
    int i = FindWatched(window);
    if (i < 0 || g_level[i] != wantLevel)
        return 0;
    XImage* image = Snapshot(window);
    if (!image)
        return 0;
    double shown = IsPicture(image) ? NowMs() : 0;
    XDestroyImage(image);
    return shown;
}

/* Watches WINDOW for drawing and for children of its own. A child may have
 * been made before the watch began, so those already there are taken too. */
static double Watch(Window window, int level, int wantLevel)
{
    if (FindWatched(window) >= 0 || g_watchedCount == kMaxWindows)
        return 0;
    g_watched[g_watchedCount] = window;
    g_level[g_watchedCount++] = level;
    XSelectInput(g_display, window, SubstructureNotifyMask);
    XDamageCreate(g_display, window, XDamageReportNonEmpty);
    Window root, parent, *children = NULL;
    unsigned count = 0;
    double shown = 0;
    if (XQueryTree(g_display, window, &root, &parent, &children, &count)) {
        for (unsigned k = 0; k < count && !shown; k++)
            shown = Watch(children[k], level + 1, wantLevel);
        if (children)
            XFree(children);
    }
    /* Drawn before the watch began: only a read-back can tell. */
    return shown ? shown : PictureShown(window, wantLevel);
}

static int Start(int wantLevel, char** command)
{
    g_root = DefaultRootWindow(g_display);
    XSelectInput(g_display, g_root, SubstructureNotifyMask);
    XSync(g_display, False);

    double start = NowMs();
    pid_t pid = fork();
    if (pid == 0) {
        /* Quiet, so that a frame counter on stdout costs neither program anything. */
        freopen("/dev/null", "w", stdout);
        execvp(command[0], command);
        _exit(127);
    }
    if (pid < 0)
        Die("cannot start the program");

    /* Every window it makes is watched from its creation, at any depth, so
     * that any drawing is reported. */
    double shown = 0, deadline = start + 60e3;
    XEvent event;
    while (!shown && NextEvent(&event, deadline)) {
        if (event.type == CreateNotify) {
            int level = LevelUnder(event.xcreatewindow.parent);
            if (level)
                shown = Watch(event.xcreatewindow.window, level, wantLevel);
        } else if (event.type == g_damageEvent + XDamageNotify) {
            XDamageNotifyEvent* damage = (XDamageNotifyEvent*)&event;
            XDamageSubtract(g_display, damage->damage, None, None);
            shown = PictureShown(damage->drawable, wantLevel);
        }
    }
    if (!shown) {
        kill(pid, SIGKILL);
        Die("no picture within 60 s");
    }
    usleep(1000000);
    kill(pid, SIGTERM);
    int status;
    struct rusage usage;
    if (wait4(pid, &status, 0, &usage) < 0)
        Die("lost the program");
    printf("first_frame_ms %.1f\npeak_rss_kib %ld\n", shown - start, usage.ru_maxrss);
    return 0;
}

static int Keys(Window window, int count, const char* keyA, const char* keyB)
{
    KeyCode codes[2] = {XKeysymToKeycode(g_display, XStringToKeysym(keyA)),
                        XKeysymToKeycode(g_display, XStringToKeysym(keyB))};
    if (!codes[0] || !codes[1])
        Die("unknown key name");
    Damage damage = XDamageCreate(g_display, window, XDamageReportNonEmpty);
    for (int k = 0; k < count; k++) {
        /* Each key is timed from an idle program showing a settled frame. */
        usleep(20000);
        XSync(g_display, False);
        XEvent event;
        while (XPending(g_display))
            XNextEvent(g_display, &event);
        XDamageSubtract(g_display, damage, None, None);
        XImage* before = Snapshot(window);
        if (!before)
            Die("the window cannot be read");

        XTestFakeKeyEvent(g_display, codes[k % 2], True, CurrentTime);
        XTestFakeKeyEvent(g_display, codes[k % 2], False, CurrentTime);
        XFlush(g_display);
        double sent = NowMs(), drawn = 0;
        while (!drawn && NextEvent(&event, sent + 5e3)) {
            if (event.type == g_damageEvent + XDamageNotify)
                drawn = NowMs();
        }
        XImage* after = drawn ? Snapshot(window) : NULL;
        if (!after)
            Die("no frame within 5 s of a key");
        /* The first frame after the key either shows it or does not. */
        printf("%.2f %s\n", drawn - sent, SameImage(before, after) ? "unchanged" : "changed");
        XDestroyImage(before);
        XDestroyImage(after);
    }
    return 0;
}

int main(int argc, char** argv)
{
    OpenDisplay();
    if (argc >= 4 && strcmp(argv[1], "start") == 0 &&
        (strcmp(argv[2], "child") == 0 || strcmp(argv[2], "toplevel") == 0))
        return Start(strcmp(argv[2], "child") == 0 ? 2 : 1, argv + 3);
    if (argc == 6 && strcmp(argv[1], "keys") == 0)
        return Keys(strtoul(argv[2], NULL, 0), atoi(argv[3]), argv[4], argv[5]);
    fprintf(stderr, "usage: frame_watch start child|toplevel COMMAND [ARG...]\n"
                    "       frame_watch keys WINDOW COUNT KEY KEY\n");
    return 2;
}
