// The folder where an installed game keeps the player's files, set up from its shipped data.
#pragma once

#include <string>

#include "platform/platform.h"

namespace murk {

// Sets up `programDir` (with its trailing '/'), where an installed game keeps the player's
// files, from the shipped data in `dataDir`: makes the folder when it is missing, copies into its
// Levels folder every shipped level it lacks, and the default HighScores.dat when it has none.
// A file the folder already holds is the player's and is never replaced; a copy is written
// whole or not at all. Returns "" when the folder is ready, otherwise why the game cannot keep
// the player's files, in the player's words. Start-up calls it for an installed game only. The
// files are read, saved and looked for through `pf`.
[[nodiscard]] std::string SetUpPlayerFolder(Platform& pf, const std::string& programDir,
                                            const std::string& dataDir);

}  // namespace murk
