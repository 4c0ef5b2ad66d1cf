// Lookup of the built-in window pictures by name.
#include "ui/pictures.h"

namespace murk {

const EmbeddedPicture* FindPicture(std::string_view name) {
    size_t count = 0;
    const EmbeddedPicture* table = EmbeddedPictures(count);
    for (size_t i = 0; i < count; ++i)
        if (name == table[i].name) return &table[i];
    return nullptr;
}

}  // namespace murk
