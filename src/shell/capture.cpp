// Saving a window's picture to CaptureNNN.bmp.
#include "shell/capture.h"

#include <cstdio>

#include "shell/app.h"
#include "ui/form.h"

namespace murk {

std::string CaptureFileName(const std::string& dir, int n) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d", n);
    return dir + "Capture" + number + ".bmp";
}

void CaptureWindow(App& app, Form& window) {
    const Rect area = window.Area();
    for (int n = 0; !app.terminated; ++n) {
        ProcessMessages(app);
        const std::string path = CaptureFileName(app.DirLbl, n);
        if (app.pf.FileExists(path)) continue;
        std::string error;
        if (!app.pf.SaveCanvasBmp(path, area.x, area.y, area.w, area.h, error)) {
            ShowException(app, error);
            ShowError(app,
                      "Error capturing screen. Please make sure the directory of MURK is "
                      "writable. If the problem persists, please report it on the Murk "
                      "project's issue tracker.");
        }
        return;
    }
}

}  // namespace murk
