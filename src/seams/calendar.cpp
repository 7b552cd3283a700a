#include "seams/calendar.h"

#include <cstdio>

namespace varnolux {

namespace {
constexpr int64_t kEpochDiffSeconds = 11644473600LL;  // 1601-01-01 to 1970-01-01

int64_t DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
}  // namespace

FileTime FileTimeFromUnix(int64_t unixSeconds) {
    return static_cast<FileTime>(unixSeconds + kEpochDiffSeconds) * 10000000ULL;
}

int64_t UnixFromFileTime(FileTime t) {
    return static_cast<int64_t>(t / 10000000ULL) - kEpochDiffSeconds;
}

LocalTime BreakDownUtc(int64_t s) {
    int64_t days = s >= 0 ? s / 86400 : (s - 86399) / 86400;
    int64_t rem = s - days * 86400;
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t doe = days - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    LocalTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = static_cast<int>(yoe + era * 400 + (t.month <= 2));
    t.hour = static_cast<int>(rem / 3600);
    t.minute = static_cast<int>(rem % 3600 / 60);
    t.second = static_cast<int>(rem % 60);
    return t;
}

int64_t UnixFromLocalTime(const LocalTime& t) {
    return DaysFromCivil(t.year, t.month, t.day) * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

std::string FormatShortDate(const LocalTime& t, const std::string& pattern) {
    std::string out;
    char buf[16];
    for (size_t i = 0; i < pattern.size();) {
        size_t n = 1;
        while (i + n < pattern.size() && pattern[i + n] == pattern[i]) ++n;
        const char c = pattern[i];
        if (c == 'd' || c == 'M') {
            const int v = c == 'd' ? t.day : t.month;
            std::snprintf(buf, sizeof buf, n >= 2 ? "%02d" : "%d", v);
            out += buf;
        } else if (c == 'y') {
            std::snprintf(buf, sizeof buf, n >= 4 ? "%04d" : "%02d",
                          n >= 4 ? t.year : t.year % 100);
            out += buf;
        } else {
            out.append(n, c);
        }
        i += n;
    }
    return out;
}

std::string DateAndTimeText(const LocalTime& t, const std::string& datePattern) {
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return FormatShortDate(t, datePattern) + "  " + time;
}

std::string TimeStampedName(const std::string& base, const LocalTime& t,
                            const std::string& extension) {
    char stamp[48];
    std::snprintf(stamp, sizeof stamp, "-%04d%02d%02d-%02d%02d%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return base + stamp + extension;
}

}  // namespace varnolux
