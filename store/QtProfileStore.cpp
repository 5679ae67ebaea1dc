#include "store/QtProfileStore.h"

#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

#include "store/WriteProbe.h"

namespace {
QString Key(std::string_view section, std::string_view entry)
{
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + QLatin1Char('/') +
           QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
}

bool IsText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

bool IsBytes(const QVariant& value)
{
    return value.typeId() == QMetaType::QByteArray;
}

// Only an absolute folder is taken from the environment: without HOME, Qt would put the
// settings under "/".
QString SettingsFileName()
{
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!home.startsWith(QLatin1Char('/'))) {
        home = qEnvironmentVariable("HOME");
        if (!home.startsWith(QLatin1Char('/')))
            return {};
        home += QStringLiteral("/.config");
    }
    return home + QStringLiteral("/Norv/Norv2.conf");
}

// Whether the name (its link followed) belongs to a device, FIFO, folder or the like.
bool IsOtherThanRegularFile(const QString& strFile)
{
    struct stat st
    {
    };
    return ::stat(QFile::encodeName(strFile).constData(), &st) == 0 && !S_ISREG(st.st_mode);
}
} // namespace

CQtProfileStore::CQtProfileStore() : m_strFile(SettingsFileName())
{
    if (!m_strFile.isEmpty() && !IsOtherThanRegularFile(m_strFile))
        m_pSettings = std::make_unique<QSettings>(m_strFile, QSettings::IniFormat);
}

CQtProfileStore::~CQtProfileStore() = default;

QVariant CQtProfileStore::Read(std::string_view section, std::string_view entry) const
{
    return m_pSettings ? m_pSettings->value(Key(section, entry)) : QVariant();
}

bool CQtProfileStore::Write(std::string_view section, std::string_view entry, const QVariant& value)
{
    if (!m_pSettings)
        return false;
    m_pSettings->setValue(Key(section, entry), value);
    return m_pSettings->status() != QSettings::AccessError;
}

std::string CQtProfileStore::GetProfileString(std::string_view section, std::string_view entry,
                                              std::string_view strDefault)
{
    const QVariant value = Read(section, entry);
    if (IsBytes(value))
        return value.toByteArray().toStdString();
    if (!IsText(value))
        return std::string(strDefault);
    return value.toString().toStdString();
}

int CQtProfileStore::GetProfileInt(std::string_view section, std::string_view entry, int nDefault)
{
    // A file-based store keeps numbers as text, so a number is whatever reads whole as one.
    const QVariant value = Read(section, entry);
    if (value.typeId() == QMetaType::Int)
        return value.toInt();
    if (!IsText(value))
        return nDefault;
    bool ok = false;
    const int n = value.toString().trimmed().toInt(&ok);
    return ok ? n : nDefault;
}

bool CQtProfileStore::GetProfileBinary(std::string_view section, std::string_view entry,
                                       std::vector<std::uint8_t>& bytes)
{
    const QVariant value = Read(section, entry);
    if (!IsBytes(value))
        return false;
    const QByteArray data = value.toByteArray();
    bytes.assign(data.begin(), data.end());
    return true;
}

bool CQtProfileStore::WriteProfileString(std::string_view section, std::string_view entry, std::string_view value)
{
    const QByteArray bytes(value.data(), static_cast<qsizetype>(value.size()));
    const QString text = QString::fromUtf8(bytes);
    if (text.toUtf8() != bytes)
        return Write(section, entry, bytes);
    return Write(section, entry, text);
}

bool CQtProfileStore::WriteProfileInt(std::string_view section, std::string_view entry, int nValue)
{
    return Write(section, entry, nValue);
}

bool CQtProfileStore::WriteProfileBinary(std::string_view section, std::string_view entry,
                                         const std::vector<std::uint8_t>& bytes)
{
    return Write(section, entry,
                 QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
}

bool CQtProfileStore::Flush()
{
    if (!m_pSettings)
        return false;
    // A format error is the reading's: the file is written all the same.
    m_pSettings->sync();
    return m_pSettings->status() != QSettings::AccessError;
}

std::string CQtProfileStore::DescribeWriteFailure() const
{
    if (m_strFile.isEmpty())
        return "HOME も XDG_CONFIG_HOME も設定されていないので、設定の置き場所を決められません";
    const std::string file = QFile::encodeName(m_strFile).toStdString();
    if (!m_pSettings)
        return file + ": 通常のファイルではないので書き込みません";
    // QSettings keeps the system's reason to itself; writing as it does, a new file in the
    // folder, finds it again.
    const std::string reason = WhyNoFileCanBeWrittenIn(QFile::encodeName(QFileInfo(m_strFile).path()).toStdString());
    return file + ": " + (reason.empty() ? "原因は不明です" : reason);
}
