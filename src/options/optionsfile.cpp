// Options.dat reading (defensive) and saving (read-only question, atomic replace).
#include "options/optionsfile.h"

#include <sstream>

#include "level/safefile.h"
#include "options/keynames.h"
#include "options/optionsform.h"
#include "shell/app.h"
#include "shell/startup.h"
#include "util/wholenumber.h"

namespace murk {

std::string FormatOptions(const OptionValues& v) {
    std::string out = v.speed + "\n";
    for (int player = 0; player < 2; ++player) {
        for (int i = 0; i < 6; ++i) {
            const KeyOption& k = v.keys[static_cast<size_t>(player * 6 + i)];
            out += k.name + " " + std::to_string(k.code) + " ";
        }
        out += "\n";
    }
    out += v.sound + "\n";
    return out;
}

void ParseOptions(const std::string& text, OptionValues& v) {
    std::istringstream in(text);
    std::string word;
    auto next = [&] { return static_cast<bool>(in >> word); };
    auto usable = [&] { return word.size() <= kMaxOptionWord; };

    if (!next()) return;
    if (usable() && IsWholeNumber(word)) v.speed = word;
    for (KeyOption& key : v.keys) {
        if (!next()) return;  // the key's name; the code decides
        if (!next()) return;
        const std::optional<int> code = usable() ? ParseWholeNumber(word) : std::nullopt;
        if (!code) continue;
        if (auto name = KeyName(*code)) key = {*name, *code};
    }
    if (!next()) return;
    if (word == "On" || word == "Off") v.sound = word;
}

namespace {

std::string OptionsPath(App& app) { return ProgramDirectory(app.pf.CurrentDirectory()) + kOptionsFile; }

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
    if (!WriteFileAtomically(path, FormatOptions(app.optionsForm->Values())))
        ShowError(app, "Option settings not saved. Please make sure the disk is not write protected.");
}

}  // namespace murk
