#include "core/record/LoadResult.h"

#include "core/res/StringIds.h"

LoadOutcome LineOutcome(int nCode)
{
    switch (nCode) {
    case 0: return LoadOutcome::Loaded;
    case IDP_LINE_TOO_LONG: return LoadOutcome::LineTooLong;
    case IDP_LINE_TOO_SHORT: return LoadOutcome::LineTooShort;
    case IDP_BAD_CATEGORY: return LoadOutcome::BadCategory;
    default: break;
    }
    return LoadOutcome::BadFields;
}
