#include "toolkit/commandanswer.h"

#include <cstdlib>

#include "toolkit/projectversion.h"
#include "toolkit/text.h"

StandardRequest standardRequest(const std::vector<std::string>& args) {
    StandardRequest request = StandardRequest::None;
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") return StandardRequest::Help;
        if (arg == "--version") request = StandardRequest::Version;
    }
    return request;
}

int answerStandardRequest(const std::vector<std::string>& args, const std::string& command,
                          const std::string& help, std::FILE* out) {
    switch (standardRequest(args)) {
    case StandardRequest::Help:
        std::fputs(toUtf8(help).c_str(), out);
        return 0;
    case StandardRequest::Version:
        std::fprintf(out, "%s %s\n", command.c_str(), PROJECT_VERSION);
        return 0;
    case StandardRequest::None:
        break;
    }
    return -1;
}

int localeLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value) {
            const std::string lower = lowerCase(value);
            return lower.compare(0, 2, "fr") == 0 && (lower.size() == 2 || lower[2] == '_' ||
                                                      lower[2] == '.' || lower[2] == '@')
                       ? 1
                       : 0;
        }
    }
    return 0;
}
