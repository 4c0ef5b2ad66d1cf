// PNG encoding: signature, IHDR, one zlib-compressed IDAT, IEND.
#include "levelpic/png.h"

#include <zlib.h>

#include <stdexcept>

namespace murk {

namespace {

void PutU32(std::string& s, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) s += static_cast<char>((v >> shift) & 0xff);
}

void PutChunk(std::string& png, const char* type, const std::string& data) {
    PutU32(png, static_cast<uint32_t>(data.size()));
    const std::string typed = std::string(type, 4) + data;
    png += typed;
    const auto* bytes = reinterpret_cast<const Bytef*>(typed.data());
    PutU32(png, static_cast<uint32_t>(
                    crc32(crc32(0, nullptr, 0), bytes, static_cast<uInt>(typed.size()))));
}

}  // namespace

std::string EncodePng(int width, int height, const std::vector<uint32_t>& pixels, bool alpha) {
    // Each row: filter type 0 (none), then R, G, B (and A) per pixel.
    const size_t channels = alpha ? 4 : 3;
    std::string raw;
    raw.reserve(static_cast<size_t>(height) * (static_cast<size_t>(width) * channels + 1));
    for (int y = 0; y < height; ++y) {
        raw += '\0';
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<size_t>(y) * width + x];
            raw += static_cast<char>((p >> 16) & 0xff);
            raw += static_cast<char>((p >> 8) & 0xff);
            raw += static_cast<char>(p & 0xff);
            if (alpha) raw += static_cast<char>((p >> 24) & 0xff);
        }
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error("the picture could not be compressed");
    packed.resize(packedSize);

    std::string header;
    PutU32(header, static_cast<uint32_t>(width));
    PutU32(header, static_cast<uint32_t>(height));
    // 8 bits, RGB (2) or RGBA (6), deflate, no filter variants, no interlace
    header += std::string{8, static_cast<char>(alpha ? 6 : 2), 0, 0, 0};

    std::string png = "\x89PNG\r\n\x1a\n";
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", packed);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace murk
