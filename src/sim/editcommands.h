// murk-sim's edit commands: the level editor's model (editor/editor.h) driven a line at a time,
// without the editor's screen.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "editor/editor.h"

namespace murk {

class EditCommands {
public:
    // Edits the levels of the game folder `dir`; prints to `out`.
    EditCommands(std::string dir, std::ostream& out);
    // Runs what follows "edit" on a script line; false when it cannot be parsed. Squares are
    // given as the level sources count them: room column and row, then column and row.
    bool Run(const std::string& line);

private:
    void Report(const EditResult& result);
    void Open(int number);
    void Save(int number);
    // A stroke through squares given as column, row, column, row...
    void Stroke(int roomCol, int roomRow, const std::string& code, const std::vector<int>& squares);
    void Check();
    void State();
    void Show(int roomCol, int roomRow);

    LevelEditor editor_;
    std::ostream& out_;
};

}  // namespace murk
