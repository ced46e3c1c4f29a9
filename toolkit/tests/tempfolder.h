// Test helper: a fresh temporary folder removed with everything in it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "toolkit/platformnames.h"

// The separator the programs put between a folder and a name they join
// (std::filesystem's own: '\\' on Windows), as they print it.
#ifdef _WIN32
inline const std::string Slash = "\\";
#else
inline const std::string Slash = "/";
#endif

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        auto base = std::filesystem::temp_directory_path();
        for (;;) {
            path_ = (base / ("ulvtest-" + std::to_string(rd()))).string();
            if (std::filesystem::create_directory(path_)) break;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + Slash + name; }

    // Writes the bytes as they are (no line-end translation). Paths here are
    // in pathBytes' form (UTF-8 on Windows).
    std::string write(const std::string& name, const std::string& bytes) const {
        return writeFile(file(name), bytes);
    }
    static std::string writeFile(const std::string& path, const std::string& bytes) {
        std::ofstream(pathFromBytes(path), std::ios::binary) << bytes;
        return path;
    }

private:
    std::string path_;
};
