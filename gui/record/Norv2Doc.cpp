#include "gui/record/Norv2Doc.h"

#include <filesystem>

#include "store/FileName.h"

CNorv2Doc::CNorv2Doc(QObject* parent) : QObject(parent) {}

QString CNorv2Doc::GetPathName() const
{
    return FileNameToQString(m_File.GetPath());
}

void CNorv2Doc::DeleteContents()
{
    // A new book rather than an emptied one: the memory of the last file goes back to the
    // system, all of it also when that file did not fit.
    m_PracticeDays.reset();
    m_pBook.reset();
    m_pBook = std::make_unique<CRecordBook>();
}

const CPracticeDays& CNorv2Doc::GetPracticeDays() const
{
    if (m_PracticeDays)
        m_PracticeDays->Update(*m_pBook);
    else
        m_PracticeDays.emplace(*m_pBook);
    return *m_PracticeDays;
}

bool CNorv2Doc::OnOpenDocument(const QString& strPath)
{
    DeleteContents();
    std::error_code error;
    const std::string path = std::filesystem::absolute(FileNameFromQString(strPath), error).lexically_normal().string();
    const int nCode = m_File.Load(path, *m_pBook, this);
    if (nCode == CRecordFile::kOpenError || nCode == CRecordFile::kNotRegular)
        return false;
    if (nCode != 0) {
        Reject(nCode);
        return true;
    }
    emit opened(FileNameToQString(path));
    return true;
}

void CNorv2Doc::Refresh()
{
    const CRecordFile::RefreshResult result = m_File.Refresh(*m_pBook);
    if (result.change == CRecordFile::Change::None)
        return;
    if (result.nCode != 0) {
        Reject(result.nCode);
        return;
    }
    if (result.change == CRecordFile::Change::Reloaded)
        emit reloaded();
    emit updateAllViews();
    emit recordsAppended();
}

void CNorv2Doc::Reject(int nCode)
{
    // The same broken lines would be refused again at every tick.
    m_File.StopWatching();
    // After a failed read the runs read so far stay, as after any failed read.
    if (nCode != CRecordFile::kReadError && nCode != CRecordFile::kOpenError)
        DeleteContents();
    emit rejected(nCode == CRecordFile::kOpenError ? CRecordFile::kReadError : nCode);
    emit loadEnded();
}
