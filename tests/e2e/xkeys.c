/* xkeys: presses or releases several keys at once, through the X test extension like a real
 * keyboard, in one flush so the game reads them together ("xkeys down|up KEYSYM..."). */
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc < 3 || (strcmp(argv[1], "down") != 0 && strcmp(argv[1], "up") != 0)) {
        fprintf(stderr, "usage: xkeys down|up KEYSYM...\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xkeys: cannot open display\n");
        return 1;
    }
    const Bool press = strcmp(argv[1], "down") == 0;
    for (int i = 2; i < argc; ++i) {
        KeySym sym = XStringToKeysym(argv[i]);
        KeyCode code = sym == NoSymbol ? 0 : XKeysymToKeycode(dpy, sym);
        if (!code) {
            fprintf(stderr, "xkeys: no key for %s\n", argv[i]);
            return 1;
        }
        XTestFakeKeyEvent(dpy, code, press, CurrentTime);
    }
    XSync(dpy, False);
    XCloseDisplay(dpy);
    return 0;
}
