// Options.dat reading into the options and saving (read-only question, atomic replace).
#include "options/optionsfile.h"

#include "base/safefile.h"
#include "ui/desk.h"

namespace murk {

namespace {

// Options.dat lies in the working directory, which is the program directory of start-up.
std::string OptionsPath(const Desk& desk) {
    return desk.DirLbl + kOptionsFile;
}

}  // namespace

void ReadOptions(Desk& desk, OptionValues& options) {
    const std::string path = OptionsPath(desk);
    if (!desk.pf.FileExists(path)) return;
    std::string text;
    switch (desk.pf.ReadGameFile(path, 1u << 20, text)) {
        case FileReadResult::Read:
            break;
        case FileReadResult::CannotOpen:
            ShowError(
                desk,
                "Unable to open 'Options.dat' file. Please make sure the disk is accessable.");
            return;
        case FileReadResult::TooLarge:
            ShowException(desk, "The file 'Options.dat' is too large to be an options file.");
            ShowError(desk, "Error loading 'Options.dat' file. ");
            return;
    }
    ParseOptions(text, options);
}

void SaveOptions(Desk& desk, OptionValues& options) {
    const std::string path = OptionsPath(desk);
    if (desk.pf.FileExists(path) && desk.pf.IsReadOnly(path)) {
        if (!Confirm(
                desk,
                "The 'Options.dat' file is read-only. Do you want to make this file write able?")) {
            desk.pf.MessageBox(BoxKind::Plain, "Options settings NOT saved.");
            return;
        }
        if (!desk.pf.MakeWritable(path)) {
            ShowError(desk,
                      "Unable to make the 'Options.dat' file write able. Please make sure it is "
                      "not on a write protected disk.");
            return;
        }
    }
    // Quitting while the options window shows an unusable speed leaves it as the window would.
    SettleSpeed(options);
    const SaveResult result = desk.pf.SaveGameFile(path, FormatOptions(options));
    if (result != SaveResult::Saved)
        ShowSaveFailure(
            desk, result, kOptionsFile,
            "Option settings not saved. Please make sure the disk is not write protected.");
}

}  // namespace murk
