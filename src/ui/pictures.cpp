// Lookup of the built-in window pictures by name.
#include "ui/pictures.h"

#include <string>

namespace murk {

const EmbeddedPicture* FindPicture(std::string_view name) {
    size_t count = 0;
    const EmbeddedPicture* table = EmbeddedPictures(count);
    for (size_t i = 0; i < count; ++i)
        if (name == table[i].name) return &table[i];
    return nullptr;
}

ImageId LoadPicture(Platform& pf, std::string_view name) {
    const EmbeddedPicture* p = FindPicture(name);
    if (!p) return kNoImage;
    std::string error;
    return pf.LoadImageMemory(p->data, p->size, error);
}

}  // namespace murk
