// What every fuzz target needs: the input as a file the readers can open,
// and an error box and status line that stay silent.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "toolkit/errorbox.h"
#include "toolkit/uicontext.h"

// One file per fuzzing process, rewritten for each input. /dev/shm keeps the
// file writes off the disk when it is there.
class ScratchFile {
public:
    explicit ScratchFile(const char* name) {
        const char* dir = std::getenv("FUZZ_SCRATCH_DIR");
        if (!dir) dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
        path_ = std::string(dir) + "/" + name + "-" + std::to_string(getpid()) + ".txt";
    }
    ~ScratchFile() { std::remove(path_.c_str()); }

    const std::string& write(const uint8_t* data, size_t size) const {
        std::FILE* f = std::fopen(path_.c_str(), "wb");
        if (!f) std::abort();  // a fuzzer that cannot write its input tests nothing
        if (size && std::fwrite(data, 1, size, f) != size) std::abort();
        std::fclose(f);
        return path_;
    }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Messages are still built in full (their masks are part of what is tested),
// only not shown.
inline void silenceMessages() {
    static bool done = false;
    if (done) return;
    done = true;
    errorBoxPort().windowBox = nullptr;
    errorBoxPort().systemBox = [](const std::string&, const std::string& text) {
        volatile size_t keep = text.size();
        (void)keep;
    };
    statusSink() = [](const std::string&) {};
}

// How each target starts: messages silenced, the interface language taken
// from the input's length (both get their turn), the input on disk.
inline const std::string& inputFile(const ScratchFile& file, const uint8_t* data, size_t size) {
    silenceMessages();
    uiContext().InterfaceLanguage = static_cast<int>(size & 1);
    return file.write(data, size);
}
