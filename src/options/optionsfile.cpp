// Options.dat reading into the window and saving (read-only question, atomic replace).
#include "options/optionsfile.h"

#include "base/safefile.h"
#include "options/optionsform.h"
#include "shell/app.h"

namespace murk {

namespace {

// Options.dat lies in the working directory, which is the program directory of start-up.
std::string OptionsPath(const App& app) { return app.DirLbl + kOptionsFile; }

}  // namespace

void ReadOptions(App& app) {
    if (!app.useOptionsFile) return;
    const std::string path = OptionsPath(app);
    if (!app.pf.FileExists(path)) return;
    std::string text;
    switch (ReadWholeFile(path, 1u << 20, text)) {
        case FileReadResult::Read: break;
        case FileReadResult::CannotOpen:
            ShowError(app, "Unable to open 'Options.dat' file. Please make sure the disk is accessable.");
            return;
        case FileReadResult::TooLarge:
            ShowException(app, "The file 'Options.dat' is too large to be an options file.");
            ShowError(app, "Error loading 'Options.dat' file. ");
            return;
    }
    OptionValues v = app.optionsForm->Values();
    ParseOptions(text, v);
    app.optionsForm->SetValues(v);
}

void SaveOptions(App& app) {
    if (!app.useOptionsFile) return;
    const std::string path = OptionsPath(app);
    if (app.pf.FileExists(path) && app.pf.IsReadOnly(path)) {
        if (!Confirm(app, "The 'Options.dat' file is read-only. Do you want to make this file write able?")) {
            app.pf.MessageBox(BoxKind::Plain, "Options settings NOT saved.");
            return;
        }
        if (!app.pf.MakeWritable(path)) {
            ShowError(app,
                      "Unable to make the 'Options.dat' file write able. Please make sure it is "
                      "not on a write protected disk.");
            return;
        }
    }
    // Quitting while the options window shows an unusable speed leaves it as the window would.
    app.optionsForm->CheckSpeedOnExit();
    if (!WriteFileAtomically(path, FormatOptions(app.optionsForm->Values())))
        ShowError(app, "Option settings not saved. Please make sure the disk is not write protected.");
}

}  // namespace murk
