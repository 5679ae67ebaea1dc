#pragma once
#include <QSettings>
#include <memory>

#include "core/settings/ProfileStore.h"

// The settings kept by QSettings in $XDG_CONFIG_HOME/Norv/Norv2.conf ($HOME/.config without
// XDG_CONFIG_HOME). A store that has no such place, or whose file is not a regular file (a
// device, a FIFO), holds nothing and refuses every write: it never guesses a folder, never
// waits on a FIFO and never replaces a device with a file.
class CQtProfileStore final : public CProfileStore
{
public:
    CQtProfileStore();
    ~CQtProfileStore() override;

    // A text that is not UTF-8 (a file name's bytes) is kept as a byte string, and a byte
    // string read as text gives its bytes back.
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
    // Not a directory"), or why the store has no file.
    std::string DescribeWriteFailure() const;

private:
    QVariant Read(std::string_view section, std::string_view entry) const;
    bool Write(std::string_view section, std::string_view entry, const QVariant& value);

    QString m_strFile;                      // empty when there is no place for the settings
    std::unique_ptr<QSettings> m_pSettings; // null when the file is refused or has no place
};
