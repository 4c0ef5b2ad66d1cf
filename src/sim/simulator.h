// The simulator that murk-sim runs: the game core on the headless platform, one script command at
// a time. Tools that plan play (the route tool) drive it directly and read the game state.
#pragma once

#include <ostream>
#include <string>

#include "platform/headless/headless_platform.h"
#include "shell/app.h"

namespace murk {

class Simulator {
public:
    explicit Simulator(std::ostream& out);

    // Start-up as the game does it; false when the program shut down (no levels).
    bool Start();
    bool Terminated() const { return app_.terminated; }

    // Runs one script command (no comment, no surrounding blanks); false when it cannot be parsed.
    bool Run(const std::string& line);

    const App& app() const { return app_; }
    App& app() { return app_; }

private:
    void Seed(uint32_t seed);
    bool Tick(const std::string& rest);
    bool Set(const std::string& rest);
    bool SetField(int player, const std::string& rest);
    void Dump();
    void Capture(const std::string& file);

    std::ostream& out_;
    HeadlessPlatform pf_;
    App app_;
};

}  // namespace murk
