/* xsquares: checksums of 32x32 squares of the screen, or of a tile picture, to tell which tile
 * stands where without the cost of a screenshot.
 *   xsquares X Y [X Y ...]   one checksum per square whose top-left pixel is (X, Y)
 *   xsquares --bmp FILE      the checksum of a 32x32 24-bit BMP, drawn unscaled
 *   xsquares --save FILE     the whole screen as a binary PPM, much faster than a screenshot
 *                            tool, so play need not wait for it */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static uint32_t Mix(uint32_t h, uint32_t rgb) {
    for (int i = 0; i < 3; ++i) h = (h ^ ((rgb >> (8 * i)) & 0xff)) * 16777619u;
    return h;
}

static int BmpChecksum(const char* path) {
    FILE* f = fopen(path, "rb");
    unsigned char head[54], px[3];
    if (!f || fread(head, 1, 54, f) != 54 || head[0] != 'B' || head[1] != 'M' || head[28] != 24) {
        fprintf(stderr, "xsquares: %s is not a 24-bit BMP\n", path);
        return 1;
    }
    const long offset = head[10] | head[11] << 8 | head[12] << 16;
    uint32_t rows[32][32];
    for (int y = 31; y >= 0; --y) { /* bottom-up rows of 96 bytes, no padding */
        fseek(f, offset + (31 - y) * 96, SEEK_SET);
        for (int x = 0; x < 32; ++x) {
            if (fread(px, 1, 3, f) != 3) return fclose(f), 1;
            rows[y][x] = (uint32_t)px[2] << 16 | px[1] << 8 | px[0];
        }
    }
    fclose(f);
    uint32_t h = 2166136261u;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) h = Mix(h, rows[y][x]);
    printf("%08x\n", h);
    return 0;
}

static int SaveScreen(Display* dpy, const char* path) {
    XWindowAttributes a;
    const Window root = DefaultRootWindow(dpy);
    XGetWindowAttributes(dpy, root, &a);
    XImage* img = XGetImage(dpy, root, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
    FILE* f = fopen(path, "wb");
    if (!img || !f) return 1;
    unsigned char* rgb = malloc((size_t)a.width * a.height * 3);
    if (!rgb) return 1;
    unsigned char* out = rgb;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x) {
            const unsigned long p = XGetPixel(img, x, y);
            *out++ = p >> 16 & 0xff, *out++ = p >> 8 & 0xff, *out++ = p & 0xff;
        }
    fprintf(f, "P6\n%d %d\n255\n", a.width, a.height);
    fwrite(rgb, 1, (size_t)a.width * a.height * 3, f);
    free(rgb);
    XDestroyImage(img);
    return fclose(f) != 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "--bmp") == 0) return BmpChecksum(argv[2]);
    if (argc < 3 || argc % 2 == 0) {
        fprintf(stderr, "usage: xsquares X Y [X Y ...] | xsquares --bmp FILE\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "xsquares: cannot open display\n");
        return 1;
    }
    if (argc == 3 && strcmp(argv[1], "--save") == 0) return SaveScreen(dpy, argv[2]);
    const Window root = DefaultRootWindow(dpy);
    for (int i = 1; i + 1 < argc; i += 2) {
        XImage* img = XGetImage(dpy, root, atoi(argv[i]), atoi(argv[i + 1]), 32, 32, AllPlanes,
                                ZPixmap);
        uint32_t h = 2166136261u;
        for (int y = 0; img && y < 32; ++y)
            for (int x = 0; x < 32; ++x) h = Mix(h, (uint32_t)XGetPixel(img, x, y) & 0xffffff);
        printf("%s%08x", i > 1 ? " " : "", img ? h : 0u);
        if (img) XDestroyImage(img);
    }
    printf("\n");
    XCloseDisplay(dpy);
    return 0;
}
