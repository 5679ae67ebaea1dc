#include "core/record/PeriodData.h"

#include "core/record/CivilDay.h"

CTime UnfilledPeriodDate()
{
    return LocalMidnight(DaysFromCivil(1980, 1, 1));
}

PERIODDATA::PERIODDATA() : Date(UnfilledPeriodDate()) {}

BOARDDATA::BOARDDATA() : Date(UnfilledPeriodDate()) {}
