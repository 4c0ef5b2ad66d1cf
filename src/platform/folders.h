// Where the real game keeps the player's files and finds its shipped data: the one place that
// tells a game run from its game folder from an installed one.
#pragma once

#include <string>

namespace murk {

struct GameFolders {
    // The program directory: where the game keeps the player's files (options, high scores,
    // captures, levels). Empty when an installed game can find no home folder.
    std::string program;
    // Where the shipped pictures, sounds, levels and default high-score table are.
    std::string data;
};

// What the choice looks at, gathered from the machine by FindGameFolders.
struct FolderFacts {
    std::string workingDir;         // the current directory at start-up
    std::string installedData;      // the program's folder joined with the installed data's path
    bool besideOwnObjects = false;  // the program's folder holds an Objects folder: a game folder
    bool installedDataExists = false;  // installedData is a folder
    std::string xdgDataHome;           // $XDG_DATA_HOME
    std::string home;                  // $HOME, or the user's home in the password database
};

// A program that sits in a game folder (build/game/murk) or has no installed data beside it
// plays in the folder it is started in, for both; an installed one reads `installedData` and
// keeps the player's files in $XDG_DATA_HOME/murk, or ~/.local/share/murk when that is unset
// or not absolute.
GameFolders ChooseGameFolders(const FolderFacts& facts);

// Gathers the facts from the machine (`dataFromBin`: the data folder relative to the
// program's, as installed) and chooses.
GameFolders FindGameFolders(const std::string& dataFromBin);

}  // namespace murk
