#include "core/base/Time.h"

#include <cstdlib>
#include <ctime>

static_assert(sizeof(std::time_t) >= 8, "time values must not overflow in 2038");

namespace {
std::tm LocalParts(std::int64_t nSeconds)
{
    std::tm tm{};
    const std::time_t t = static_cast<std::time_t>(nSeconds);
    localtime_r(&t, &tm);
    return tm;
}

std::int64_t FromParts(std::tm tm)
{
    tm.tm_isdst = -1;
    return static_cast<std::int64_t>(std::mktime(&tm));
}

void AppendNumber(std::string& out, int n, int width)
{
    std::string digits = std::to_string(n);
    if (static_cast<int>(digits.size()) < width)
        out.append(width - digits.size(), '0');
    out += digits;
}
} // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    std::tm tm{};
    tm.tm_year = nYear - 1900;
    tm.tm_mon = nMonth - 1;
    tm.tm_mday = nDay;
    tm.tm_hour = nHour;
    tm.tm_min = nMin;
    tm.tm_sec = nSec;
    m_nSeconds = FromParts(tm);
}

CTime CTime::SkippedDay(int nYear, int nMonth, int nDay, std::int64_t nSecondBeforeJump)
{
    CTime t(nSecondBeforeJump);
    t.m_nSkippedDay = nYear * 10000 + nMonth * 100 + nDay;
    return t;
}

std::tm CTime::Parts() const
{
    if (m_nSkippedDay == 0)
        return LocalParts(m_nSeconds);
    // The day's midnight as the calendar has it; timegm fills in the day of the week.
    std::tm tm{};
    tm.tm_year = m_nSkippedDay / 10000 - 1900;
    tm.tm_mon = m_nSkippedDay / 100 % 100 - 1;
    tm.tm_mday = m_nSkippedDay % 100;
    ::timegm(&tm);
    tm.tm_isdst = -1;
    return tm;
}

int CTime::GetYear() const
{
    return Parts().tm_year + 1900;
}
int CTime::GetMonth() const
{
    return Parts().tm_mon + 1;
}
int CTime::GetDay() const
{
    return Parts().tm_mday;
}
int CTime::GetHour() const
{
    return Parts().tm_hour;
}
int CTime::GetMinute() const
{
    return Parts().tm_min;
}
int CTime::GetSecond() const
{
    return Parts().tm_sec;
}
int CTime::GetDayOfWeek() const
{
    return Parts().tm_wday + 1;
}

CTime CTime::AddDays(int nDays) const
{
    std::tm tm = Parts();
    tm.tm_mday += nDays;
    return CTime(FromParts(tm));
}

std::string CTime::Format(std::string_view fmt) const
{
    const std::tm tm = Parts();
    std::string out;
    out.reserve(fmt.size() + 8);
    for (std::size_t i = 0; i < fmt.size(); ++i) {
        if (fmt[i] != '%' || i + 1 == fmt.size()) {
            out += fmt[i];
            continue;
        }
        char code = fmt[++i];
        bool bNoPad = false;
        if (code == '#' && i + 1 < fmt.size()) {
            bNoPad = true;
            code = fmt[++i];
        }
        const int width = bNoPad ? 1 : 2;
        switch (code) {
        case 'Y': AppendNumber(out, tm.tm_year + 1900, 1); break;
        case 'y': AppendNumber(out, (tm.tm_year + 1900) % 100, width); break;
        case 'm': AppendNumber(out, tm.tm_mon + 1, width); break;
        case 'd': AppendNumber(out, tm.tm_mday, width); break;
        case 'H': AppendNumber(out, tm.tm_hour, width); break;
        case 'M': AppendNumber(out, tm.tm_min, width); break;
        case 'S': AppendNumber(out, tm.tm_sec, width); break;
        case '%': out += '%'; break;
        default:
            out += '%';
            if (bNoPad)
                out += '#';
            out += code;
        }
    }
    return out;
}

bool IsValidDate(int nYear, int nMonth, int nDay)
{
    if (nYear < 1970 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1)
        return false;
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
    const int nLast = kDays[nMonth - 1] + (nMonth == 2 && bLeap ? 1 : 0);
    return nDay <= nLast;
}

void PinLocalTimeZone()
{
    setenv("TZ", ":/etc/localtime", 0);
}
