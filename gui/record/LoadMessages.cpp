#include "gui/record/LoadMessages.h"

#include <cstring>
#include <string_view>

#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

namespace {
constexpr std::string_view kHeading = "Norv2 からのお知らせ\n\n";
} // namespace

unsigned RefusalMessage(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::LineTooLong: return IDP_LINE_TOO_LONG;
    case LoadOutcome::LineTooShort: return IDP_LINE_TOO_SHORT;
    case LoadOutcome::BadCategory: return IDP_BAD_CATEGORY;
    case LoadOutcome::BadFields: return IDP_BAD_FIELDS;
    case LoadOutcome::OutOfMemory: return IDP_OUT_OF_MEMORY;
    default: break;
    }
    return IDP_READ_FAILED;
}

std::string LoadFailureText(const LoadResult& result)
{
    switch (result.outcome) {
    case LoadOutcome::OpenError:
        return LoadString(IDS_CANNOT_OPEN) +
               (result.nErrno != 0 ? std::string(" (") + std::strerror(result.nErrno) + ")" : std::string());
    case LoadOutcome::ReadError: return LoadString(IDS_CANNOT_READ);
    case LoadOutcome::NotRegular: return LoadString(IDS_NOT_REGULAR);
    default: break;
    }
    std::string message = LoadString(RefusalMessage(result.outcome));
    if (message.starts_with(kHeading))
        message.erase(0, kHeading.size());
    return message;
}
