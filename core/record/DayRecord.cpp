#include "core/record/DayRecord.h"

#include "core/record/CivilDay.h"

CTime CDayRecord::GetDate() const
{
    return LocalMidnight(m_nDays);
}
