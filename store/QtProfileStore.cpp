#include "store/QtProfileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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
} // namespace

CQtProfileStore::CQtProfileStore() : m_settings(QStringLiteral("Norv"), QStringLiteral("Norv2")) {}

QVariant CQtProfileStore::Read(std::string_view section, std::string_view entry) const
{
    return m_settings.value(Key(section, entry));
}

bool CQtProfileStore::Write(std::string_view section, std::string_view entry, const QVariant& value)
{
    m_settings.setValue(Key(section, entry), value);
    return m_settings.status() != QSettings::AccessError;
}

std::string CQtProfileStore::GetProfileString(std::string_view section, std::string_view entry,
                                              std::string_view strDefault)
{
    const QVariant value = Read(section, entry);
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
    if (value.typeId() != QMetaType::QByteArray)
        return false;
    const QByteArray data = value.toByteArray();
    bytes.assign(data.begin(), data.end());
    return true;
}

bool CQtProfileStore::WriteProfileString(std::string_view section, std::string_view entry, std::string_view value)
{
    return Write(section, entry, QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
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
    // A format error is the reading's: the file is written all the same.
    m_settings.sync();
    return m_settings.status() != QSettings::AccessError;
}

std::string CQtProfileStore::DescribeWriteFailure() const
{
    // QSettings keeps the system's reason to itself; writing as it does (the folder, then a
    // new file beside the old one) finds it again.
    const QString file = m_settings.fileName();
    QDir().mkpath(QFileInfo(file).absolutePath());
    QSaveFile probe(file);
    const QString reason = probe.open(QIODevice::WriteOnly) ? QStringLiteral("原因は不明です") : probe.errorString();
    return (file + QStringLiteral(": ") + reason).toStdString();
}
