// Helpers for the SDL tests: a platform per test and a reader for the BMP files it saves.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/sdl_platform.h"

namespace murk::testing_sdl {

struct BmpPicture {
    int width = 0, height = 0, bitsPerPixel = 0;
    std::vector<uint8_t> bytes;
    uint32_t dataOffset = 0;

    // 0x00RRGGBB of the pixel (x, y) counted from the top-left; 24-bit bottom-up files only.
    uint32_t Pixel(int x, int y) const {
        const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
        const size_t at = dataOffset + static_cast<size_t>(height - 1 - y) * stride + x * 3u;
        return (bytes[at + 2] << 16) | (bytes[at + 1] << 8) | bytes[at];
    }
};

inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

inline BmpPicture ReadBmp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    BmpPicture p;
    p.bytes.assign(std::istreambuf_iterator<char>(in), {});
    if (p.bytes.size() < 54) return p;
    p.dataOffset = Le32(p.bytes, 10);
    p.width = static_cast<int>(Le32(p.bytes, 18));
    p.height = static_cast<int>(Le32(p.bytes, 22));
    p.bitsPerPixel = p.bytes[28] | (p.bytes[29] << 8);
    return p;
}

// A started SDL platform (dummy drivers) and a scratch folder, fresh for each test.
class SdlPlatformTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        platform = CreateSdlPlatform(error);
        ASSERT_NE(platform, nullptr) << error;
        dir = std::filesystem::temp_directory_path() /
              ("murk_sdl_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        platform.reset();
        std::filesystem::remove_all(dir);
    }
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    std::unique_ptr<Platform> platform;
    std::filesystem::path dir;
};

}  // namespace murk::testing_sdl
