// Pads.dat: its lines written and read back, read at start-up and saved when the pad window
// closes.
#include "options/padsfile.h"

#include <filesystem>
#include <sstream>

#include "base/safefile.h"
#include "base/wholenumber.h"
#include "ui/desk.h"

namespace murk {

namespace {

constexpr size_t kMaxLineBytes = 256;
constexpr int kMaxSetAside = 99;

bool ParsePadLine(std::istringstream& in, PadSettings& s) {
    std::string kind, rank, player, name;
    if (!(in >> kind >> rank >> player)) return false;
    std::getline(in >> std::ws, name);
    const std::optional<std::string> k = PadKind(kind);
    const std::optional<int> n = ParseWholeNumber(rank);
    const std::optional<int> p = ParseWholeNumber(player);
    if (!k || !n || *n < 1 || *n > kMaxPadRank || !p || (*p != 1 && *p != 2)) return false;
    const RememberedPad r{*k, *n, *p, CleanPadName(name)};
    std::erase_if(s.pads,
                  [&](const RememberedPad& o) { return o.kind == r.kind && o.rank == r.rank; });
    s.pads.push_back(r);
    if (s.pads.size() > kMaxRememberedPads) s.pads.erase(s.pads.begin());
    return true;
}

bool ParseLine(const std::string& line, PadSettings& s) {
    if (line.size() > kMaxLineBytes) return false;
    std::istringstream in(line);
    std::string word, value, extra;
    if (!(in >> word) || word[0] == '#') return true;
    if (word == "pad") return ParsePadLine(in, s);
    if (word != "pause-when-left" || !(in >> value) || (in >> extra)) return false;
    if (value != "on" && value != "off") return false;
    s.pauseWhenLeft = value == "on";
    return true;
}

std::string PadsPath(const Desk& desk) {
    return desk.DirLbl + kPadsFile;
}

// The first free name to keep a damaged Pads.dat under, or "" when all are taken.
std::string SetAsideName(const Desk& desk) {
    for (int i = 1; i <= kMaxSetAside; ++i) {
        const std::string name =
            i == 1 ? "Pads-damaged.dat" : "Pads-damaged-" + std::to_string(i) + ".dat";
        if (!desk.pf.FileExists(desk.DirLbl + name)) return name;
    }
    return "";
}

// A damaged Pads.dat is kept whole under another name, and the settings read from it are
// written anew. One read whole (`text`) is copied through the platform, like every file the game
// saves; one too large to read is moved aside.
void SetAside(Desk& desk, const PadSettings& s, const std::string& why, const std::string* text) {
    const std::string name = SetAsideName(desk);
    bool kept = false;
    if (!name.empty() && text) {
        kept = desk.pf.SaveGameFile(desk.DirLbl + name, *text) == SaveResult::Saved;
    } else if (!name.empty()) {
        std::error_code ec;
        std::filesystem::rename(PadsPath(desk), desk.DirLbl + name, ec);
        kept = !ec;
    }
    if (!kept) {
        ShowError(desk, "The file 'Pads.dat' is damaged (" + why +
                            "). The pads use what could be read and the defaults for the rest "
                            "until the pad settings are changed; the file stays as it is.");
        return;
    }
    ShowError(desk, "The file 'Pads.dat' is damaged (" + why +
                        "). The pads use what could be read and the defaults for the rest; the "
                        "file as it was is kept as '" +
                        name + "'.");
    SavePads(desk, s);
}

std::string LinesText(const std::vector<int>& lines) {
    std::string text = lines.size() == 1 ? "line " : "lines ";
    for (size_t i = 0; i < lines.size() && i < 5; ++i)
        text += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
    if (lines.size() > 5) text += " and more";
    return text + (lines.size() == 1 ? " is not a pad setting" : " are not pad settings");
}

}  // namespace

std::string FormatPads(const PadSettings& s) {
    std::string out = "# Murk's game pads: the player each pad plays, and pausing when left.\n";
    out += std::string("pause-when-left ") + (s.pauseWhenLeft ? "on" : "off") + "\n";
    for (const RememberedPad& r : s.pads)
        out += "pad " + r.kind + " " + std::to_string(r.rank) + " " + std::to_string(r.player) +
               (r.name.empty() ? "" : " " + r.name) + "\n";
    return out;
}

PadSettings ParsePads(const std::string& text, std::vector<int>& damagedLines) {
    PadSettings s;
    damagedLines.clear();
    std::istringstream in(text);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!ParseLine(line, s)) damagedLines.push_back(number);
    }
    return s;
}

void ReadPads(Desk& desk, PadBoard& board) {
    const std::string path = PadsPath(desk);
    if (!desk.pf.FileExists(path)) return;
    std::string text;
    switch (desk.pf.ReadGameFile(path, kMaxPadsFileBytes, text)) {
        case FileReadResult::Read:
            break;
        case FileReadResult::CannotOpen:
            ShowError(desk,
                      "Unable to open the 'Pads.dat' file. The pads keep their defaults; please "
                      "make sure the disk is accessible.");
            return;
        case FileReadResult::TooLarge:
            SetAside(desk, PadSettings{}, "it is too large to hold pad settings", nullptr);
            board.settings = PadSettings{};
            ApplyRemembered(board);
            return;
    }
    std::vector<int> damaged;
    board.settings = ParsePads(text, damaged);
    ApplyRemembered(board);
    if (!damaged.empty()) SetAside(desk, board.settings, LinesText(damaged), &text);
}

void SavePads(Desk& desk, const PadSettings& s) {
    const SaveResult result = desk.pf.SaveGameFile(PadsPath(desk), FormatPads(s));
    if (result != SaveResult::Saved)
        ShowSaveFailure(
            desk, result, kPadsFile,
            "Pad settings not saved. Please make sure the disk is not write protected.");
}

}  // namespace murk
