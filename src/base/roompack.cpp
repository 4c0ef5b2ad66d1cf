// Packing a room into the level grid's string and unpacking it again.
#include "base/roompack.h"

namespace murk {

bool UnpackRoomString(const std::string& packed, StringGrid& target, std::string& error) {
    target.Resize(kRoomCols + 1, kRoomRows + 1);  // column and row 0 stay empty
    for (int r = 0; r <= kRoomRows; ++r)
        for (int c = 0; c <= kRoomCols; ++c) target.SetCell(c, r, "");
    size_t p = 0;
    for (int r = 1; r <= kRoomRows; ++r)
        for (int c = 1; c <= kRoomCols; ++c, p += 3) {
            if (p + 3 > packed.size()) {
                error = "Room string too short: square (" + std::to_string(c) + ", " +
                        std::to_string(r) + ") is missing (" + std::to_string(packed.size()) +
                        " of " + std::to_string(kPackedRoomLength) + " characters).";
                return false;
            }
            target.SetCell(c, r, packed.substr(p, 3));
        }
    return true;
}

std::string PackRoomString(const StringGrid& source) {
    std::string packed;
    packed.reserve(kPackedRoomLength);
    for (int r = 1; r < source.RowCount(); ++r)
        for (int c = 1; c < source.ColCount(); ++c) packed += source.Cell(c, r);
    return packed;
}

}  // namespace murk
