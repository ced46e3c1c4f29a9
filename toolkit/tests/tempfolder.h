// Test helper: a fresh temporary folder removed with everything in it.
#pragma once

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

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
    std::string file(const std::string& name) const { return path_ + "/" + name; }

    // Writes the bytes as they are (no line-end translation).
    std::string write(const std::string& name, const std::string& bytes) const {
        return writeFile(file(name), bytes);
    }
    static std::string writeFile(const std::string& path, const std::string& bytes) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        if (f) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        return path;
    }

private:
    std::string path_;
};
