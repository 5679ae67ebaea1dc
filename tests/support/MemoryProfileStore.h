#pragma once
#include <map>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "core/settings/FixedDesktopMetrics.h"
#include "core/settings/ProfileStore.h"

// An in-memory store that keeps each value's kind and the order of writes.
class CMemoryProfileStore final : public CProfileStore
{
public:
    using Value = std::variant<std::string, int, std::vector<std::uint8_t>>;
    using Key = std::pair<std::string, std::string>;

    std::map<Key, Value> m_values;
    std::vector<Key> m_writes;
    Key m_refused; // a value whose write is refused (and not kept)

    void Put(std::string section, std::string entry, Value value)
    {
        m_values[{std::move(section), std::move(entry)}] = std::move(value);
    }

    std::string GetProfileString(std::string_view s, std::string_view e, std::string_view def) override
    {
        const auto* p = Find<std::string>(s, e);
        return p ? *p : std::string(def);
    }
    int GetProfileInt(std::string_view s, std::string_view e, int def) override
    {
        const auto* p = Find<int>(s, e);
        return p ? *p : def;
    }
    bool GetProfileBinary(std::string_view s, std::string_view e, std::vector<std::uint8_t>& bytes) override
    {
        const auto* p = Find<std::vector<std::uint8_t>>(s, e);
        if (p)
            bytes = *p;
        return p != nullptr;
    }
    bool WriteProfileString(std::string_view s, std::string_view e, std::string_view v) override
    {
        return Record(s, e, std::string(v));
    }
    bool WriteProfileInt(std::string_view s, std::string_view e, int v) override { return Record(s, e, v); }
    bool WriteProfileBinary(std::string_view s, std::string_view e, const std::vector<std::uint8_t>& v) override
    {
        return Record(s, e, v);
    }

private:
    template <typename T> const T* Find(std::string_view s, std::string_view e) const
    {
        const auto it = m_values.find({std::string(s), std::string(e)});
        return it == m_values.end() ? nullptr : std::get_if<T>(&it->second);
    }
    bool Record(std::string_view s, std::string_view e, Value v)
    {
        m_writes.emplace_back(std::string(s), std::string(e));
        if (m_writes.back() == m_refused)
            return false;
        m_values[m_writes.back()] = std::move(v);
        return true;
    }
};

// A 1024 x 768 screen and a recognisable icon-title font.
inline CFixedDesktopMetrics FixedDesktop()
{
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWeight = 400;
    lf.SetFaceNameBytes("IconTitle");
    return CFixedDesktopMetrics(lf, 1024, 768);
}
