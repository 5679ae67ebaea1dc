#pragma once
#include <compare>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

// A point in time as 64-bit seconds since the epoch, read and built in the
// local time zone of the C library (TZ).
class CTime
{
public:
    constexpr CTime() = default;
    constexpr explicit CTime(std::int64_t nSeconds) : m_nSeconds(nSeconds) {}
    // Local calendar parts; out-of-range parts are normalised (day 32 is the 1st
    // of the next month). Daylight saving is decided by the local-time rules.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    // The midnight of a day the zone skips over whole (the clock jumps from the day before
    // to the day after), which has no instant: the second before the jump, that reads as
    // the skipped day's midnight. So the day keeps a value of its own, in its place in time.
    static CTime SkippedDay(int nYear, int nMonth, int nDay, std::int64_t nSecondBeforeJump);

    constexpr std::int64_t GetTime() const { return m_nSeconds; }

    int GetYear() const;
    int GetMonth() const; // 1..12
    int GetDay() const;   // 1..31
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    int GetDayOfWeek() const; // 1 = Sunday .. 7 = Saturday

    // The same time of day nDays calendar days later (earlier when negative).
    CTime AddDays(int nDays) const;

    // strftime-like: %Y %y %m %d %H %M %S %%, and %#m %#d without a leading zero.
    std::string Format(std::string_view fmt) const;

    constexpr auto operator<=>(const CTime&) const = default;

private:
    std::tm Parts() const; // local calendar parts

    std::int64_t m_nSeconds = 0;
    int m_nSkippedDay = 0; // the skipped day this value reads as, as yyyymmdd; 0 for none
};

// True when year/month/day name a real calendar day from 1970 on.
bool IsValidDate(int nYear, int nMonth, int nDay);

// Names the system's zone file in TZ when TZ is unset. The C library otherwise looks at
// that file again on every local time it builds (a file system call per chart bar); with
// it named, the zone is read once. Call before any other thread starts.
void PinLocalTimeZone();
