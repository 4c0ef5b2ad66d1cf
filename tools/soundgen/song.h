// The opening song: a slow, dark tune in A minor composed note by note.
#pragma once

#include <vector>

namespace soundgen {

// The whole song (about half a minute), normalised below full scale.
std::vector<float> RenderSong();

}  // namespace soundgen
