// Options.dat: reading it into the options and saving them at quit.
#pragma once

#include "options/optionsparse.h"

namespace murk {

struct Desk;

// Reads Options.dat from the program directory over `options` (no file: nothing changes);
// a file that cannot be read is reported and changes nothing.
void ReadOptions(Desk& desk, OptionValues& options);
// Saves the options at quit, asking first when the file is read-only; a speed that is not a
// whole number is saved, and left in the options, as 4.
void SaveOptions(Desk& desk, OptionValues& options);

}  // namespace murk
