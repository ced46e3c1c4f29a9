#include <chrono>
#include <ctime>

#include "examsim/session/examview.h"
#include "toolkit/platform.h"
#include "toolkit/platformnames.h"
#include "toolkit/text.h"

SessionClock systemClock() {
    SessionClock clock;
    clock.systemTime = [] {
        auto now = std::chrono::system_clock::now().time_since_epoch();
        return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() / 100);
    };
    clock.localNow = [] {
        auto now = std::chrono::system_clock::now();
        std::time_t seconds = std::chrono::system_clock::to_time_t(now);
        std::tm local{};
        localTime(seconds, local);
        auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
        return LocalMoment{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                           local.tm_hour,        local.tm_min,     local.tm_sec, static_cast<int>(ms)};
    };
    return clock;
}

int32_t secondsSinceMidnight(const LocalMoment& m) {
    double seconds = m.Hour * 3600.0 + m.Minute * 60.0 + m.Second + m.Millisecond / 1000.0;
    return static_cast<int32_t>(roundHalfEven(seconds));
}
