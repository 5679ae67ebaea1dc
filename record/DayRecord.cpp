#include "record/DayRecord.h"

#include "record/CivilDay.h"

CTime CDayRecord::GetDate() const
{
    return LocalMidnight(m_nDays);
}
