// Options.dat: reading it into the options window and saving the window's values at quit.
#pragma once

#include "options/optionsparse.h"

namespace murk {

struct App;

// Read options into the options window (no file: nothing changes), and save them at quit.
void ReadOptions(App& app);
void SaveOptions(App& app);

}  // namespace murk
