#include "gui/record/RecordSession.h"

#include <QFileInfo>

#include "core/record/RecordPath.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/record/LoadMessages.h"
#include "gui/record/Norv2Doc.h"
#include "store/FileName.h"

CRecordSession::CRecordSession(CNorv2Doc& doc, CAppSettings& settings) : m_doc(doc), m_settings(settings)
{
    connect(&m_doc, &CNorv2Doc::opened, this, &CRecordSession::OnOpened);
    connect(&m_doc, &CNorv2Doc::rejected, this, &CRecordSession::OnRejected);
    connect(&m_doc, &CNorv2Doc::reloaded, this, &CRecordSession::reloaded);
    connect(&m_doc, &CNorv2Doc::recordsAppended, this, &CRecordSession::appended);
}

OpenOutcome CRecordSession::OpenNamed(const QString& strPath)
{
    const OpenOutcome outcome = Open(strPath);
    if (outcome == OpenOutcome::Unreadable)
        ForgetUser();
    return outcome;
}

OpenOutcome CRecordSession::OpenChosen(const QString& strPath)
{
    // A name the dialog offered, or a user listed, may be no file that can be read (a FIFO,
    // a device, gone).
    const OpenOutcome outcome = Open(strPath);
    if (outcome == OpenOutcome::Unreadable)
        AfxMessageBox(IDP_FILE_NOT_FOUND);
    return outcome;
}

OpenOutcome CRecordSession::Open(const QString& strPath)
{
    // Checked first, so that a file that cannot be read leaves the open one as it was.
    if (!CRecordFile::CanOpen(FileNameFromQString(strPath)))
        return OpenOutcome::Unreadable;
    emit opening();
    const LoadResult result = m_doc.Open(strPath);
    if (result.outcome == LoadOutcome::OpenError || result.outcome == LoadOutcome::NotRegular)
        return OpenOutcome::Unreadable;
    return result.IsLoaded() ? OpenOutcome::Opened : OpenOutcome::Rejected;
}

QString CRecordSession::RecordFolder() const
{
    if (const QString strPath = m_doc.GetPathName(); !strPath.isEmpty())
        return QFileInfo(strPath).path();
    const std::string& dir = m_settings.Get().m_strVeskDir;
    return dir.empty() ? QString() : FileNameToQString(dir);
}

void CRecordSession::OnOpened(const QString& strPath)
{
    const std::string path = FileNameFromQString(strPath);
    CAppSettings::Edit(m_settings).SetUser(UserNameOfPath(path), DirectoryOfPath(path));
    emit opened(strPath);
}

void CRecordSession::OnRejected(const LoadResult& result)
{
    if (result.outcome == LoadOutcome::OutOfMemory)
        ReportOutOfMemory();
    AfxMessageBox(RefusalMessage(result.outcome));
    AfxMessageBox(LoadString(IDS_FILE_RESET), MB_OK);
    ForgetUser();
    emit rejected(result.outcome);
}

void CRecordSession::ForgetUser()
{
    CAppSettings::Edit(m_settings).SetUser({}, {});
}
