// A folder in which no file can be created, for whoever runs the tests.
//
// For an ordinary user a folder with its write permission removed does it.
// Root passes over permission bits (and CI runs as root), so there the
// folder is /sys: sysfs lets nobody create a file, not even root, and the
// failure is the same "Permission denied" a read-only folder gives.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "toolkit/tests/tempfolder.h"

class UnwritableFolder {
public:
    UnwritableFolder() {
        if (geteuid() != 0) {
            path_ = own_.path();
            chmod(path_.c_str(), 0555);
        } else {
            path_ = "/sys";
        }
        // Whatever the way, check that creating a file really fails.
        std::string probe = path_ + "/probe-" + std::to_string(getpid()) + ".txt";
        errno = 0;
        if (std::FILE* f = std::fopen(probe.c_str(), "ab")) {
            std::fclose(f);
            std::remove(probe.c_str());
        } else {
            error_ = errno;
        }
    }
    ~UnwritableFolder() { chmod(own_.path().c_str(), 0755); }
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;

    const std::string& path() const { return path_; }
    // The error creating a file gives; 0 when this system let it happen.
    int error() const { return error_; }

private:
    TempFolder own_;
    std::string path_;
    int error_ = 0;
};
