// The editor's palette, read from the tile kinds.
#include "editor/palette.h"

#include "base/tiles.h"

namespace murk {

const std::vector<PaletteGroup>& Palette() {
    static const std::vector<PaletteGroup> groups = [] {
        std::vector<PaletteGroup> g;
        for (int f = 0; f < kTileFamilyCount; ++f) {
            const TileFamily family = static_cast<TileFamily>(f);
            PaletteGroup group{family, FamilyTitle(family), {}};
            for (const TileKind& kind : TileKinds())
                if (kind.placed && kind.family == family)
                    for (int i = TileIndex(kind.first); i <= TileIndex(kind.last); ++i)
                        group.codes.push_back(TileCodeAt(i));
            if (!group.codes.empty()) g.push_back(std::move(group));
        }
        return g;
    }();
    return groups;
}

}  // namespace murk
