#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Per-user key-value store of the settings: sections holding integers, texts and byte strings.
class CProfileStore
{
public:
    virtual ~CProfileStore() = default;

    // The stored text, or strDefault when the value is missing or not a text.
    virtual std::string GetProfileString(std::string_view section, std::string_view entry,
                                         std::string_view strDefault) = 0;
    // The stored number, or nDefault when the value is missing or not a number.
    virtual int GetProfileInt(std::string_view section, std::string_view entry, int nDefault) = 0;
    // False when the value is missing or not a byte string.
    [[nodiscard]] virtual bool GetProfileBinary(std::string_view section, std::string_view entry,
                                                std::vector<std::uint8_t>& bytes) = 0;

    // Each creates the section when needed; false when the store refused the write.
    [[nodiscard]] virtual bool WriteProfileString(std::string_view section, std::string_view entry,
                                                  std::string_view value) = 0;
    [[nodiscard]] virtual bool WriteProfileInt(std::string_view section, std::string_view entry, int nValue) = 0;
    [[nodiscard]] virtual bool WriteProfileBinary(std::string_view section, std::string_view entry,
                                                  const std::vector<std::uint8_t>& bytes) = 0;
};
