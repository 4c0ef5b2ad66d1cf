// BMP decoding and 24-bit encoding with every header field checked against the data size.
#include "base/bmp.h"

namespace murk {

namespace {

uint32_t U16(const uint8_t* p) {
    return p[0] | (p[1] << 8);
}
uint32_t U32(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
void Put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xff);
    s += static_cast<char>((v >> 8) & 0xff);
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xffff);
    Put16(s, v >> 16);
}

constexpr int kMaxSide = 16384;

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, int& width, int& height,
               std::vector<uint32_t>& pixels, std::string& error) {
    if (size < 54 || data[0] != 'B' || data[1] != 'M') {
        error = "not a bitmap file";
        return false;
    }
    const uint32_t offset = U32(data + 10);
    const uint32_t headerSize = U32(data + 14);
    if (headerSize < 40 || 14u + headerSize > size) {
        error = "unsupported bitmap header";
        return false;
    }
    const int32_t w = static_cast<int32_t>(U32(data + 18));
    const int32_t signedHeight = static_cast<int32_t>(U32(data + 22));
    const uint32_t bpp = U16(data + 28);
    const uint32_t compression = U32(data + 30);
    // A negative height means rows from the top; turned round in 64 bits, as -2^31 has no
    // positive 32-bit twin.
    const bool topDown = signedHeight < 0;
    const int64_t height64 = topDown ? -static_cast<int64_t>(signedHeight) : signedHeight;
    if (w <= 0 || height64 <= 0 || w > kMaxSide || height64 > kMaxSide) {
        error = "bad bitmap dimensions";
        return false;
    }
    const int h = static_cast<int>(height64);
    if ((bpp != 24 && bpp != 32) || (compression != 0 && !(compression == 3 && bpp == 32))) {
        error = "unsupported bitmap format";
        return false;
    }
    const size_t bytesPerPixel = bpp / 8;
    const size_t stride = (static_cast<size_t>(w) * bytesPerPixel + 3) & ~static_cast<size_t>(3);
    if (offset > size || size - offset < stride * static_cast<size_t>(h)) {
        error = "bitmap file is truncated";
        return false;
    }
    width = w;
    height = h;
    pixels.assign(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        const int srcRow = topDown ? y : h - 1 - y;
        const uint8_t* row = data + offset + stride * static_cast<size_t>(srcRow);
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = row + static_cast<size_t>(x) * bytesPerPixel;
            pixels[static_cast<size_t>(y) * w + x] = (p[2] << 16) | (p[1] << 8) | p[0];
        }
    }
    return true;
}

std::string EncodeBmp24(int width, int height, const uint32_t* pixels, int stride) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(height);
    std::string out;
    out.reserve(54 + imageBytes);
    out += "BM";
    Put32(out, 54 + imageBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, imageBytes);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = height - 1; y >= 0; --y) {
        const uint32_t* row = pixels + static_cast<size_t>(y) * stride;
        for (int x = 0; x < width; ++x) {
            out += static_cast<char>(row[x] & 0xff);
            out += static_cast<char>((row[x] >> 8) & 0xff);
            out += static_cast<char>((row[x] >> 16) & 0xff);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad) out += '\0';
    }
    return out;
}

}  // namespace murk
