#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "toolkit/commandanswer.h"

namespace {

struct RequestCase {
    const char* name;
    std::vector<std::string> args;
    StandardRequest expected;
};

class StandardRequests : public testing::TestWithParam<RequestCase> {};

TEST_P(StandardRequests, AreFoundAmongTheCommandsOwnSwitches) {
    EXPECT_EQ(standardRequest(GetParam().args), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, StandardRequests,
    testing::Values(RequestCase{"None", {}, StandardRequest::None},
                    RequestCase{"OwnSwitchesOnly", {"/S", "/A=2", "check", "file"}, StandardRequest::None},
                    RequestCase{"LongHelp", {"--help"}, StandardRequest::Help},
                    RequestCase{"ShortHelp", {"-h"}, StandardRequest::Help},
                    RequestCase{"HelpAfterOtherSwitches", {"/S", "--help"}, StandardRequest::Help},
                    RequestCase{"Version", {"--version"}, StandardRequest::Version},
                    RequestCase{"HelpWinsOverVersion", {"--version", "-h"}, StandardRequest::Help},
                    RequestCase{"OnlyWholeArguments", {"--helpful", "-hx", "--versions"}, StandardRequest::None}),
    [](const auto& info) { return std::string(info.param.name); });

struct LocaleCase {
    const char* name;
    const char* all;
    const char* messages;
    const char* lang;
    int expected;
};

class LocaleLanguage : public testing::TestWithParam<LocaleCase> {
protected:
    static void put(const char* name, const char* value) {
#ifdef _WIN32
        _putenv_s(name, value ? value : "");  // "" removes it
#else
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
#endif
    }
    void TearDown() override {
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) put(name, nullptr);
    }
};

TEST_P(LocaleLanguage, FollowsTheFirstVariableSet) {
    const LocaleCase& c = GetParam();
    put("LC_ALL", c.all);
    put("LC_MESSAGES", c.messages);
    put("LANG", c.lang);
    EXPECT_EQ(localeLanguage(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Variables, LocaleLanguage,
    testing::Values(LocaleCase{"NothingSet", nullptr, nullptr, nullptr, 0},
                    LocaleCase{"FrenchLang", nullptr, nullptr, "fr_CA.UTF-8", 1},
                    LocaleCase{"BareFrench", nullptr, nullptr, "fr", 1},
                    LocaleCase{"FrenchWithModifier", nullptr, nullptr, "fr@euro", 1},
                    LocaleCase{"EnglishLang", nullptr, nullptr, "en_CA.UTF-8", 0},
                    LocaleCase{"NotFrenchThoughItStartsSo", nullptr, nullptr, "fur_IT.UTF-8", 0},
                    LocaleCase{"AllWinsOverLang", "fr_FR.UTF-8", nullptr, "C.UTF-8", 1},
                    LocaleCase{"AllWinsOverFrenchLang", "C", nullptr, "fr_CA.UTF-8", 0},
                    LocaleCase{"MessagesWinOverLang", nullptr, "fr_BE.UTF-8", "en_US.UTF-8", 1},
                    LocaleCase{"EmptyAllIsSkipped", "", nullptr, "fr_CA.UTF-8", 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
