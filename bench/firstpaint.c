/* firstpaint: starts a program on the X display and prints the milliseconds from its start until
 * the screen shows given colours at given points, then the program's process id. The program is
 * left running. Usage: firstpaint X,Y=R,G,B [X,Y=R,G,B ...] -- PROGRAM [ARGS...] */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kMaxPoints = 8, kTimeoutMs = 20000 };

struct Point {
    int x, y;
    unsigned long rgb;
};

static double NowMs(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int Shows(Display* d, Window root, const struct Point* p) {
    XImage* image = XGetImage(d, root, p->x, p->y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 0;
    const unsigned long pixel = XGetPixel(image, 0, 0) & 0xffffff;
    XDestroyImage(image);
    return pixel == p->rgb;
}

int main(int argc, char** argv) {
    struct Point points[kMaxPoints];
    int count = 0, i = 1;
    for (; i < argc && strcmp(argv[i], "--") != 0; ++i) {
        int x, y, r, g, b;
        if (count == kMaxPoints || sscanf(argv[i], "%d,%d=%d,%d,%d", &x, &y, &r, &g, &b) != 5) {
            fprintf(stderr, "firstpaint: bad point %s\n", argv[i]);
            return 2;
        }
        points[count++] = (struct Point){x, y, ((unsigned long)r << 16) | (g << 8) | b};
    }
    if (i + 1 >= argc || count == 0) {
        fprintf(stderr, "usage: firstpaint X,Y=R,G,B... -- PROGRAM [ARGS]\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "firstpaint: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(d);
    const double start = NowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[i + 1], argv + i + 1);
        _exit(127);
    }
    for (;;) {
        int all = 1;
        for (int k = 0; k < count && all; ++k) all = Shows(d, root, &points[k]);
        const double elapsed = NowMs() - start;
        if (all) {
            printf("%.1f %d\n", elapsed, (int)pid);
            return 0;
        }
        if (elapsed > kTimeoutMs) {
            fprintf(stderr, "firstpaint: nothing shown after %d ms\n", kTimeoutMs);
            printf("-1 %d\n", (int)pid);
            return 1;
        }
        usleep(500);
    }
}
