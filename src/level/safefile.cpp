// Bounded whole-file reads and atomic replace-by-rename writes.
#include "level/safefile.h"

#include <cstdio>
#include <fstream>
#include <system_error>
#include <filesystem>

namespace murk {

FileReadResult ReadWholeFile(const std::string& path, size_t maxBytes, std::string& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return FileReadResult::CannotOpen;
    std::ifstream in(path, std::ios::binary);
    if (!in) return FileReadResult::CannotOpen;
    out.clear();
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const std::streamsize got = in.gcount();
        if (got <= 0) break;
        if (out.size() + static_cast<size_t>(got) > maxBytes) return FileReadResult::TooLarge;
        out.append(buffer, static_cast<size_t>(got));
    }
    if (in.bad()) return FileReadResult::CannotOpen;
    return FileReadResult::Read;
}

bool WriteFileAtomically(const std::string& path, const std::string& text) {
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temp.c_str());
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace murk
