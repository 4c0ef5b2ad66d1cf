// Font files: fixed DejaVu paths for the sans faces, fontconfig for the comic face.
#include "platform/sdl/fonts.h"

#include <fontconfig/fontconfig.h>
#include <unistd.h>

namespace murk::sdl {

namespace {

struct FaceSource {
    FontFace face;
    const char* file;     // tried first when set
    const char* pattern;  // fontconfig pattern tried next
};

constexpr const char* kBoldSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

constexpr FaceSource kFaces[] = {
    {FontFace::SansBold, kBoldSans, "DejaVu Sans:bold"},
    {FontFace::Sans, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "DejaVu Sans"},
    {FontFace::ComicBold, nullptr, "Comic Sans MS:bold"},
};

bool Readable(const std::string& path) {
    return !path.empty() && access(path.c_str(), R_OK) == 0;
}

std::string MatchFontFile(const char* pattern) {
    FcPattern* wanted = FcNameParse(reinterpret_cast<const FcChar8*>(pattern));
    if (!wanted) return {};
    FcConfigSubstitute(nullptr, wanted, FcMatchPattern);
    FcDefaultSubstitute(wanted);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, wanted, &result);
    std::string file;
    FcChar8* found = nullptr;
    if (match && FcPatternGetString(match, FC_FILE, 0, &found) == FcResultMatch)
        file = reinterpret_cast<const char*>(found);
    if (match) FcPatternDestroy(match);
    FcPatternDestroy(wanted);
    return file;
}

}  // namespace

const char* FallbackFontFile() {
    return kBoldSans;
}

std::string FontFileFor(FontFace face) {
    for (const FaceSource& source : kFaces) {
        if (source.face != face) continue;
        if (source.file && Readable(source.file)) return source.file;
        std::string matched = MatchFontFile(source.pattern);
        if (Readable(matched)) return matched;
    }
    return kBoldSans;
}

}  // namespace murk::sdl
