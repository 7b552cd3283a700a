#pragma once
// Calendar arithmetic shared by the hosts and the project's time stamps: file
// times (100 ns since 1601) and Unix seconds, their broken-down dates and the
// short-date text.
#include <cstdint>
#include <string>

#include "seams/host_os.h"

namespace varnolux {

FileTime FileTimeFromUnix(int64_t unixSeconds);
int64_t UnixFromFileTime(FileTime t);
LocalTime BreakDownUtc(int64_t unixSeconds);
int64_t UnixFromLocalTime(const LocalTime& t);  // t read as UTC
// The date after a pattern of d, dd, M, MM, yy and yyyy; other characters stay.
std::string FormatShortDate(const LocalTime& t, const std::string& pattern);
// The date after the pattern, two blanks, the 24-hour time with seconds.
std::string DateAndTimeText(const LocalTime& t, const std::string& datePattern);
// "<base>-<yyyymmdd>-<hhmmss><extension>": a file name per second, sorted by time.
std::string TimeStampedName(const std::string& base, const LocalTime& t,
                            const std::string& extension);

}  // namespace varnolux
