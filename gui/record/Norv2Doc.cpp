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
    const LoadOutcome outcome = Open(strPath).outcome;
    return outcome != LoadOutcome::OpenError && outcome != LoadOutcome::NotRegular;
}

LoadResult CNorv2Doc::Open(const QString& strPath)
{
    DeleteContents();
    std::error_code error;
    const std::string path = std::filesystem::absolute(FileNameFromQString(strPath), error).lexically_normal().string();
    const LoadResult result = m_File.Load(path, *m_pBook, this);
    if (result.outcome == LoadOutcome::OpenError || result.outcome == LoadOutcome::NotRegular)
        return result;
    if (!result.IsLoaded()) {
        Reject(result);
        return result;
    }
    emit opened(FileNameToQString(path));
    return result;
}

void CNorv2Doc::Refresh()
{
    const CRecordFile::RefreshResult result = m_File.Refresh(*m_pBook);
    if (result.change == CRecordFile::Change::None)
        return;
    if (!result.result.IsLoaded()) {
        Reject(result.result);
        return;
    }
    if (result.change == CRecordFile::Change::Reloaded)
        emit reloaded();
    emit updateAllViews();
    emit recordsAppended();
}

void CNorv2Doc::Reject(const LoadResult& result)
{
    // The same broken lines would be refused again at every tick.
    m_File.StopWatching();
    // After a failed read the runs read so far stay, as after any failed read.
    if (result.outcome != LoadOutcome::ReadError)
        DeleteContents();
    emit rejected(result);
    emit loadEnded();
}
