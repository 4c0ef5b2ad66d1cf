/* keyrepeat: turns the X server's key auto-repeat on or off ("keyrepeat on|off"). */
#include <X11/Xlib.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc != 2 || (strcmp(argv[1], "on") != 0 && strcmp(argv[1], "off") != 0)) {
        fprintf(stderr, "usage: keyrepeat on|off\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "keyrepeat: cannot open display\n");
        return 1;
    }
    if (strcmp(argv[1], "on") == 0)
        XAutoRepeatOn(dpy);
    else
        XAutoRepeatOff(dpy);
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return 0;
}
