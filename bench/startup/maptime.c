// SPDX-FileCopyrightText: 2026 Quibra contributors
// SPDX-License-Identifier: GPL-3.0-or-later

/* Starts a program and measures, on the X server, the time from exec to the
 * mapping of its top-level window with the given title; then, after a
 * second of idling, its peak resident memory.
 *
 *   maptime TITLE PROGRAM [ARG...]
 *
 * Prints "MILLISECONDS KIBIBYTES" and stops the program. Needs a display
 * without a window manager, so that the program's own window is a child
 * of the root window.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int hasTitle(Display* display, Window window, const char* title)
{
    char* name = NULL;
    int same = XFetchName(display, window, &name) && name && strcmp(name, title) == 0;
    if (name)
        XFree(name);
    return same;
}

static long peakResidentKib(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    fclose(status);
    return kib;
}

int main(int argc, char* argv[])
{
    if (argc < 3) {
        fprintf(stderr, "usage: maptime TITLE PROGRAM [ARG...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "maptime: no display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double start = now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    double mapped = -1;
    const double deadline = start + 30000;
    while (mapped < 0 && now() < deadline) {
        if (!XPending(display)) {
            struct pollfd connection = {ConnectionNumber(display), POLLIN, 0};
            poll(&connection, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && hasTitle(display, event.xmap.window, argv[1]))
            mapped = now() - start;
    }
    sleep(1);
    const long kib = peakResidentKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        fprintf(stderr, "maptime: no window titled %s\n", argv[1]);
        return 1;
    }
    printf("%.1f %ld\n", mapped, kib);
    return 0;
}
