// murk-sim's script interpreter.
#include "sim/sim.h"

#include <array>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "base/wholenumber.h"
#include "game/playerfields.h"
#include "level/levels.h"
#include "options/optionsfile.h"
#include "options/optionsform.h"
#include "options/padsfile.h"
#include "platform/headless/headless_platform.h"
#include "shell/app.h"
#include "shell/gameloop.h"
#include "shell/mainform.h"
#include "shell/menuscreen.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "shell/statedump.h"
#include "sim/editcommands.h"
#include "ui/capture.h"

namespace murk {

namespace {

// The pad buttons by the names murk-sim scripts give them, in the order of their numbers.
constexpr std::array<const char*, pad::kButtons> kPadButtonNames = {"a",
                                                                    "b",
                                                                    "x",
                                                                    "y",
                                                                    "back",
                                                                    "guide",
                                                                    "start",
                                                                    "leftstick",
                                                                    "rightstick",
                                                                    "leftshoulder",
                                                                    "rightshoulder",
                                                                    "dpup",
                                                                    "dpdown",
                                                                    "dpleft",
                                                                    "dpright"};

int PadButtonNamed(const std::string& name) {
    for (size_t i = 0; i < kPadButtonNames.size(); ++i)
        if (name == kPadButtonNames[i]) return static_cast<int>(i);
    return -1;
}

const char* BoxWord(BoxKind k) {
    switch (k) {
        case BoxKind::Error:
            return "error";
        case BoxKind::Exception:
            return "exception";
        case BoxKind::Plain:
            return "plain";
        case BoxKind::ConfirmYesNo:
        case BoxKind::ConfirmOkCancel:
            return "confirm";
    }
    return "";
}

}  // namespace

void PrintBoxesAndSounds(HeadlessPlatform& pf, std::ostream& out) {
    pf.onBox = [&out](const HeadlessPlatform::Box& b) {
        out << "box " << BoxWord(b.kind) << ' ' << b.text;
        if (b.kind == BoxKind::ConfirmYesNo || b.kind == BoxKind::ConfirmOkCancel)
            out << " -> " << (b.answer ? "yes" : "no");
        out << '\n';
    };
    // The id is the file name up to its first '-'. The song plays at the first paint,
    // before the script's first line, while the sound switch still has its default On.
    pf.onSoundPlay = [&out](const std::string& path) {
        const std::string file = path.substr(path.find_last_of('/') + 1);
        out << "sound " << file.substr(0, file.find('-')) << '\n';
    };
}

namespace {

class Simulator {
public:
    Simulator(std::ostream& out) : out_(out), app_(pf_) {
        pf_.SetFakeImages(true);
        PrintBoxesAndSounds(pf_, out_);
        pf_.SetAnswerPrompts(true);
        app_.useOptionsFile = false;
        app_.overlays.enabled = false;   // scripts and their recorded outputs see the bare room
        app_.runLoop = PrepareLoopOnly;  // passes run on `tick`
    }

    // Start-up as the game does it; false when the program shut down (no levels).
    bool Start() {
        if (!Startup(app_)) return false;
        app_.pf.ShowWindow();
        ShowForm(app_, *app_.mainForm);
        return !app_.terminated;
    }

    bool Terminated() const { return app_.terminated; }
    App& app() { return app_; }

    // Runs one script line; false when it cannot be parsed.
    bool Run(const std::string& line) {
        std::istringstream in(line);
        std::string cmd;
        in >> cmd;
        std::string rest;
        std::getline(in, rest);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        int n = 0;
        if (cmd == "players" && ParseWholeNumber(rest, n))
            return SetMenu(app_.menu.players, rest), true;
        if (cmd == "level" && ParseWholeNumber(rest, n))
            return SetMenu(app_.menu.level, rest), true;
        if (cmd == "speed") return SetOption(app_.options.speed, rest), true;
        if (cmd == "sound" && (rest == "on" || rest == "off"))
            return SetOption(app_.options.sound, rest == "on" ? "On" : "Off"), true;
        if (cmd == "seed" && ParseWholeNumber(rest, n)) return Seed(static_cast<uint32_t>(n)), true;
        if (cmd == "start" && rest.empty()) return StartGameCommand(app_, false), true;
        if (cmd == "random" && rest.empty()) return StartGameCommand(app_, true), true;
        if (cmd == "down" && ParseWholeNumber(rest, n)) return pf_.QueueKeyDown(n), true;
        if (cmd == "up" && ParseWholeNumber(rest, n)) return pf_.QueueKeyUp(n), true;
        if (cmd == "tick") return Tick(rest);
        if (cmd == "drawcost" && ParseWholeNumber(rest, n) && n >= 0)
            return pf_.SetDrawCost(n), true;
        if (cmd == "set") return Set(rest);
        if ((cmd == "p1" || cmd == "p2")) return SetField(cmd == "p1" ? 0 : 1, rest);
        if (cmd == "answer" && (rest == "yes" || rest == "no"))
            return pf_.QueueAnswer(rest == "yes"), true;
        if (cmd == "name") return pf_.QueueTyping(rest), true;
        if (cmd == "dump" && rest.empty()) return Dump(), true;
        if (cmd == "capture" && !rest.empty()) return Capture(rest), true;
        if (cmd == "optionsfile" && rest.empty()) return UseOptionsFile(), true;
        if (cmd == "close" && rest.empty())
            return pf_.QueueEvent(WindowEvent(EventKind::Close)), true;
        if (cmd == "click") return Click(rest);
        if (cmd == "mouse") return Mouse(rest);
        if (cmd == "remove") return Remove(rest);
        if (cmd == "edit") return Edit(rest);
        if (cmd == "pad") return Pad(rest);
        if (cmd == "focus") return Focus(rest);
        return false;
    }

private:
    // The seed also applies at once, so a random level chosen before the loop is reproducible.
    void Seed(uint32_t seed) {
        pf_.SetSeed(seed);
        app_.game.rng.Seed(seed);
    }

    bool Tick(const std::string& rest) {
        int n = 1;
        if (!rest.empty() && (!ParseWholeNumber(rest, n) || n < 0)) return false;
        for (int i = 0; i < n && !app_.terminated; ++i) {
            if (app_.loopActive && !app_.game.GameStopped) {
                RunPass(app_, app_.loopDelay);
            } else {
                app_.loopActive = false;
                ProcessMessages(app_);  // the idle menu still takes its events
            }
        }
        return true;
    }

    bool Set(const std::string& rest) {
        std::istringstream in(rest);
        int c = 0, r = 0;
        std::string code, extra;
        if (!(in >> c >> r >> code) || (in >> extra)) return false;
        app_.game.RoomGrid.SetCell(c, r, code);
        // Only a square of the room with a picture is shown; a failed draw ends the game as a
        // rule's would.
        if (app_.tiles.ForCode(code) != kNoImage && c >= 1 && c <= kRoomCols && r >= 1 &&
            r <= kRoomRows)
            app_.DrawSquare(c, r, code);
        return true;
    }

    bool SetField(int player, const std::string& rest) {
        // A text field may be set to the empty text: "p1 status" with nothing after it.
        const size_t space = rest.find(' ');
        const std::string field = rest.substr(0, space);
        const std::string value = space == std::string::npos ? "" : rest.substr(space + 1);
        return SetPlayerField(app_.game.players[static_cast<size_t>(player)], field, value);
    }

    // A menu or options value set as if chosen in its window, which shows it (the speed edit
    // turns a speed that is not a whole number into 20).
    void SetMenu(std::string& value, const std::string& text) {
        value = text;
        ShowMenuState(app_);
    }
    void SetOption(std::string& value, const std::string& text) {
        value = text;
        app_.optionsForm->ShowOptions();
    }

    void Dump() { DumpState(app_, out_); }

    static Event WindowEvent(EventKind kind, int x = 0, int y = 0) {
        return {kind, 0, kind == EventKind::Close ? 0 : 1, x, y, {}};
    }

    // The options read from Options.dat now, as the game reads them at start-up, and saved
    // when the window closes.
    void UseOptionsFile() {
        app_.useOptionsFile = true;
        ReadOptions(app_, app_.options);
        app_.optionsForm->ShowOptions();
        ReadPads(app_, app_.pads);
    }

    // A left click at a point of the 1024 x 768 window.
    bool Click(const std::string& rest) {
        std::istringstream in(rest);
        int x = 0, y = 0;
        std::string extra;
        if (!(in >> x >> y) || (in >> extra)) return false;
        pf_.QueueEvent(WindowEvent(EventKind::MouseDown, x, y));
        pf_.QueueEvent(WindowEvent(EventKind::MouseUp, x, y));
        return true;
    }

    // A press, release or move of the pointer at a point of the window: `down X Y [BUTTON]`,
    // `up X Y [BUTTON]` (1 left, 3 right; 1 unless given) or `move X Y`. Moves arrive only
    // while a screen tracks the pointer (the level editor).
    bool Mouse(const std::string& rest) {
        std::istringstream in(rest);
        std::vector<std::string> w;
        for (std::string word; in >> word;) w.push_back(word);
        int x = 0, y = 0, button = 1;
        const bool move = !w.empty() && w[0] == "move";
        const bool press = !w.empty() && (w[0] == "down" || w[0] == "up");
        if (!(move && w.size() == 3) && !(press && (w.size() == 3 || w.size() == 4))) return false;
        if (!ParseWholeNumber(w[1], x) || !ParseWholeNumber(w[2], y)) return false;
        if (w.size() == 4 && (!ParseWholeNumber(w[3], button) || button < 1 || button > 3))
            return false;
        const EventKind kind = move             ? EventKind::MouseMove
                               : w[0] == "down" ? EventKind::MouseDown
                                                : EventKind::MouseUp;
        pf_.QueueEvent({kind, 0, move ? 0 : button, x, y, {}});
        return true;
    }

    // A file of the game folder taken away while the game runs (a level, the table).
    bool Remove(const std::string& name) {
        if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
            return false;
        std::error_code ignored;
        std::filesystem::remove(app_.DirLbl + name, ignored);
        return true;
    }

    // The level editor's model, made at the first edit line over the game folder.
    bool Edit(const std::string& rest) {
        if (!edit_) edit_ = std::make_unique<EditCommands>(app_.DirLbl, out_);
        return edit_->Run(rest);
    }

    // Game pads: `pad connect ID [KIND] [NAME]`, `pad disconnect ID`, `pad press|release ID
    // BUTTON`, `pad stick ID X Y` (the left stick) queue the pad's events; `pad player ID N`
    // delivers the events queued so far and gives the connected pad to player N, as the pad
    // window does.
    bool Pad(const std::string& rest) {
        std::istringstream in(rest);
        std::string what, word;
        int id = 0;
        if (!(in >> what >> word) || !ParseWholeNumber(word, id) || id < 0) return false;
        Event e;
        e.pad = id;
        if (what == "connect") {
            std::string identity;
            std::getline(in >> std::ws, identity);
            const std::string first = identity.substr(0, identity.find(' '));
            if (!PadKind(first)) identity = std::string(32, '0') + " " + identity;
            e.kind = EventKind::PadAdded;
            e.text = identity;
            pf_.QueueEvent(e);
            return true;
        }
        std::vector<std::string> args;
        while (in >> word) args.push_back(word);
        if (what == "disconnect" && args.empty()) {
            e.kind = EventKind::PadRemoved;
            pf_.QueueEvent(e);
            return true;
        }
        if ((what == "press" || what == "release") && args.size() == 1) {
            e.kind = what == "press" ? EventKind::PadButtonDown : EventKind::PadButtonUp;
            e.button = PadButtonNamed(args[0]);
            if (e.button < 0) return false;
            pf_.QueueEvent(e);
            return true;
        }
        int x = 0, y = 0;
        if (what == "stick" && args.size() == 2 && ParseWholeNumber(args[0], x) &&
            ParseWholeNumber(args[1], y) && x >= pad::kAxisMin && x <= pad::kAxisMax &&
            y >= pad::kAxisMin && y <= pad::kAxisMax) {
            e.kind = EventKind::PadAxis;
            e.button = pad::LeftX;
            e.value = x;
            pf_.QueueEvent(e);
            e.button = pad::LeftY;
            e.value = y;
            pf_.QueueEvent(e);
            return true;
        }
        int player = 0;
        if (what == "player" && args.size() == 1 && ParseWholeNumber(args[0], player) &&
            (player == 1 || player == 2)) {
            ProcessMessages(app_);
            if (ConnectedPad* p = FindPad(app_.pads, id)) ChoosePlayer(app_.pads, *p, player);
            return true;
        }
        return false;
    }

    // `focus lost [MS]` / `focus back [MS]`: the main window loses or regains the keyboard, now
    // or once MS more virtual milliseconds have passed.
    bool Focus(const std::string& rest) {
        std::istringstream in(rest);
        std::string what, extra;
        int after = 0;
        if (!(in >> what) || (what != "lost" && what != "back")) return false;
        if (in >> extra && (!ParseWholeNumber(extra, after) || after < 0 || (in >> extra)))
            return false;
        Event e;
        e.kind = what == "lost" ? EventKind::FocusLost : EventKind::FocusGained;
        pf_.QueueEventAt(pf_.NowMs() + static_cast<uint64_t>(after), e);
        return true;
    }

    void Capture(const std::string& file) {
        std::string error;
        if (!pf_.SaveCanvasBmp(file, 0, 0, kCanvasWidth, kCanvasHeight, error))
            out_ << "capture failed: " << error << '\n';
    }

    std::ostream& out_;
    HeadlessPlatform pf_;
    App app_;
    std::unique_ptr<EditCommands> edit_;
};

}  // namespace

struct SimSession::Impl {
    explicit Impl(std::ostream& out) : sim(out) {}
    Simulator sim;
};

SimSession::SimSession(std::ostream& out) : impl_(std::make_unique<Impl>(out)) {}
SimSession::~SimSession() = default;
bool SimSession::Start() {
    return impl_->sim.Start();
}
bool SimSession::Run(const std::string& command) {
    return impl_->sim.Run(command);
}
App& SimSession::app() {
    return impl_->sim.app();
}

int RunSimulator(std::istream& script, std::ostream& out, std::ostream& err) {
    Simulator sim(out);
    if (!sim.Start()) return 1;
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::string command = line.substr(0, line.find('#'));
        while (!command.empty() && (command.back() == ' ' || command.back() == '\t'))
            command.pop_back();
        size_t start = command.find_first_not_of(" \t");
        if (start == std::string::npos) continue;
        command.erase(0, start);
        try {
            if (!sim.Run(command)) {
                err << "murk-sim: line " << number << ": cannot parse: " << line << '\n';
                return 2;
            }
        } catch (const StuckWaiting& stuck) {
            out << "stuck: line " << number << ": " << command << ": " << stuck.what() << '\n';
            return 3;
        }
        out.flush();
        if (sim.Terminated()) break;
    }
    return 0;
}

}  // namespace murk
