// The default legend, read from the tile kinds.
#include "levelsource/legend.h"

#include "base/tilekinds.h"
#include "base/tiles.h"

namespace murk {

const Legend& DefaultLegend() {
    static const Legend legend = [] {
        Legend l;
        for (const TileKind& kind : TileKinds())
            if (kind.legend)
                l[kind.legend] =
                    LegendEntry{IsSlideField(kind.first) ? std::string() : std::string(kind.first)};
        return l;
    }();
    return legend;
}

}  // namespace murk
