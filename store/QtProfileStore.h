#pragma once
#include <QSettings>

#include "core/settings/ProfileStore.h"

// The settings kept by QSettings for organisation "Norv", application "Norv2":
// $XDG_CONFIG_HOME/Norv/Norv2.conf on Linux, the registry key of that name on Windows.
class CQtProfileStore final : public CProfileStore
{
public:
    CQtProfileStore();

    std::string GetProfileString(std::string_view section, std::string_view entry,
                                 std::string_view strDefault) override;
    int GetProfileInt(std::string_view section, std::string_view entry, int nDefault) override;
    bool GetProfileBinary(std::string_view section, std::string_view entry, std::vector<std::uint8_t>& bytes) override;
    bool WriteProfileString(std::string_view section, std::string_view entry, std::string_view value) override;
    bool WriteProfileInt(std::string_view section, std::string_view entry, int nValue) override;
    bool WriteProfileBinary(std::string_view section, std::string_view entry,
                            const std::vector<std::uint8_t>& bytes) override;

    // Writes pending changes to disk; false when the file could not be written.
    [[nodiscard]] bool Flush();
    // After a write failed: the file and the system's reason ("/home/u/.config/Norv/Norv2.conf:
    // Not a directory").
    std::string DescribeWriteFailure() const;

private:
    QVariant Read(std::string_view section, std::string_view entry) const;
    bool Write(std::string_view section, std::string_view entry, const QVariant& value);

    QSettings m_settings;
};
