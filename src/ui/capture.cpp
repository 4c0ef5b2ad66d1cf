// Saving a window's picture to CaptureNNN.bmp.
#include "ui/capture.h"

#include <cstdio>

#include "ui/desk.h"
#include "ui/form.h"

namespace murk {

std::string CaptureFileName(const std::string& dir, int n) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", n);
    return dir + "Capture" + number + ".bmp";
}

void CaptureWindow(Desk& desk, Form& window) {
    const Rect area = window.Area();
    for (int n = 0; !desk.terminated; ++n) {
        ProcessMessages(desk);
        const std::string path = CaptureFileName(desk.DirLbl, n);
        if (desk.pf.FileExists(path)) continue;
        std::string error;
        if (!desk.pf.SaveCanvasBmp(path, area.x, area.y, area.w, area.h, error)) {
            ShowException(desk, error);
            ShowError(desk,
                      "Error capturing screen. Please make sure the directory of MURK is "
                      "writable. If the problem persists, please report it on the Murk "
                      "project's issue tracker.");
        }
        return;
    }
}

}  // namespace murk
