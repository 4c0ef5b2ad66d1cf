// The editor's palette: every tile a designer places, grouped by the families of the tile kinds.
#pragma once

#include <string>
#include <vector>

#include "base/tilekinds.h"

namespace murk {

struct PaletteGroup {
    TileFamily family;
    const char* title;               // FamilyTitle(family): "Walls", "Doors and keys", ...
    std::vector<std::string> codes;  // catalogue order; each of a run of eight facings
};

// The groups in the order of TileFamily, each holding the tiles its family places (the slide
// field as the bare code::SlideField, which the editor aims at its own square); a family with
// nothing to place has no group.
const std::vector<PaletteGroup>& Palette();

}  // namespace murk
