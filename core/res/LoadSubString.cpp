#include "core/res/LoadSubString.h"

#include "core/res/StringTable.h"

std::string LoadString(unsigned nID)
{
    return std::string(FindStringEntry(nID).value_or(std::string_view{}));
}

std::string LoadSubString(unsigned nID, int n)
{
    if (n < 0)
        return {};
    std::string_view rest = FindStringEntry(nID).value_or(std::string_view{});
    for (; n > 0; --n) {
        const auto nl = rest.find('\n');
        if (nl == std::string_view::npos)
            return {};
        rest.remove_prefix(nl + 1);
    }
    return std::string(rest.substr(0, rest.find('\n')));
}
