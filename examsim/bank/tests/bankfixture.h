// Shared by the bank tests: builds bank files and records what the bank
// core shows besides the error box.
#pragma once

#include <string>
#include <vector>

#include "examsim/bank/bankports.h"
#include "toolkit/tests/errorrecorder.h"
#include "toolkit/tests/tempfolder.h"
#include "toolkit/text.h"

struct PortRecorder {
    PortRecorder() {
        saved_ = bankPorts();
        bankPorts() = BankPorts{};
        bankPorts().informationBox = [this](const std::string& title, const std::string& text) {
            infoTitles.push_back(title);
            infos.push_back(text);
        };
        bankPorts().plainBox = [this](const std::string& text) { plains.push_back(text); };
        bankPorts().beginWait = [this] { ++waits; };
        bankPorts().endWait = [this] { --waits; };
    }
    ~PortRecorder() { bankPorts() = saved_; }
    PortRecorder(const PortRecorder&) = delete;
    PortRecorder& operator=(const PortRecorder&) = delete;

    std::vector<std::string> infoTitles, infos, plains;
    int waits = 0;

private:
    BankPorts saved_;
};

// The bytes of a file, "" when it cannot be read.
inline std::string fileBytes(const std::filesystem::path& path) {
    std::string bytes;
    int error = 0;
    readFileBytes(path, bytes, error);
    return bytes;
}

// Lines joined with CR LF, each ended by one.
inline std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) out += line + "\r\n";
    return out;
}

// One question record with four default-labelled answers.
inline std::vector<std::string> question(const std::string& designation, const std::string& expected = "1",
                                         const std::string& text = "Question?") {
    return {designation + " (" + expected + ") " + text, "1. one", "2. two", "3. three", "4. four"};
}

inline void append(std::vector<std::string>& to, const std::vector<std::string>& more) {
    to.insert(to.end(), more.begin(), more.end());
}
