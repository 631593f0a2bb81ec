/* Starts a program and reports, in milliseconds, when its first top-level window with the
 * given title and at least the given width is mapped on the X server. It waits on the server's
 * events rather than polling, so the measurement adds no load of its own. Prints
 * "<milliseconds> <pid>" and leaves the program running.
 *   mapwait TITLE MIN_WIDTH PROGRAM [ARGS...] */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

static int has_title(Display *display, Window window, const char *title)
{
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom net_name = XInternAtom(display, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *value = NULL;
    int found = 0;
    if (XGetWindowProperty(display, window, net_name, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &value) == Success &&
        value) {
        found = strstr((const char *)value, title) != NULL;
        XFree(value);
    }
    if (!found) {
        char *name = NULL;
        if (XFetchName(display, window, &name) && name) {
            found = strstr(name, title) != NULL;
            XFree(name);
        }
    }
    return found;
}

/* A window may be gone again by the time its map event is read (Wine maps and destroys helper
 * windows at start); asking about it is then simply not an answer. */
static int ignore_error(Display *display, XErrorEvent *error)
{
    (void)display;
    (void)error;
    return 0;
}

int main(int argc, char **argv)
{
    if (argc < 4) {
        fprintf(stderr, "usage: %s TITLE MIN_WIDTH PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const char *title = argv[1];
    const int min_width = atoi(argv[2]);
    Display *display = XOpenDisplay(NULL);
    XSetErrorHandler(ignore_error);
    if (!display) {
        fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double begin = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        /* The program's output must not hold the caller's pipe open. */
        freopen("/dev/null", "w", stdout);
        freopen("/dev/null", "w", stderr);
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify)
            continue;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, event.xmap.window, &attributes) ||
            attributes.width < min_width || !has_title(display, event.xmap.window, title))
            continue;
        printf("%.1f %d\n", now_ms() - begin, (int)pid);
        fflush(stdout);
        return 0;
    }
}
