#include "core/frame/FrameTitle.h"

#include <initializer_list>

#include "core/record/RecordPath.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"

namespace {
// format with each "%s" replaced by the next of args.
std::string Format(std::string format, std::initializer_list<std::string> args)
{
    std::size_t nAt = 0;
    for (const std::string& arg : args) {
        nAt = format.find("%s", nAt);
        if (nAt == std::string::npos)
            break;
        format.replace(nAt, 2, arg);
        nAt += arg.size();
    }
    return format;
}
} // namespace

std::string FrameTitle(std::string_view strUserName, std::optional<Category> nCategory, Scale nScale)
{
    // A file name may hold a line break, which a title cannot show.
    const std::string user = UserNameForDisplay(strUserName);
    if (!nCategory)
        return user.empty() ? LoadString(IDS_TITLE_NONE) : Format(LoadString(IDS_TITLE_USER), {user});
    return Format(LoadString(IDS_TITLE_CHART),
                  {user, LoadSubString(IDS_SCALE_WORDS, static_cast<int>(Index(nScale))),
                   LoadSubString(IDS_CATEGORY_LABELS, static_cast<int>(Index(*nCategory)))});
}
