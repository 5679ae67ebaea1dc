#include "gui/record/Norv2Doc.h"

#include <filesystem>

#include "core/record/RecordPath.h"
#include "core/settings/AppSetting.h"
#include "gui/app/MessageBox.h"
#include "store/FileName.h"

namespace {
const char* const kBrokenFileText = "選択されたファイルが壊れています\n初期状態に戻します";
const char* const kReadErrorText = "Norv2 からのお知らせ\n\nファイルを読み込めませんでした";
} // namespace

CNorv2Doc::CNorv2Doc(QObject* parent) : QObject(parent) {}

QString CNorv2Doc::GetPathName() const
{
    return FileNameToQString(m_File.GetPath());
}

void CNorv2Doc::DeleteContents()
{
    // A new book rather than an emptied one: the memory of the last file goes back to the
    // system, all of it also when that file did not fit.
    m_pBook.reset();
    m_pBook = std::make_unique<CRecordBook>();
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
        ReportBrokenFile(nCode);
        return true;
    }
    if (CAppSetting* pSetting = GetSetting()) {
        pSetting->m_strUserName = UserNameOfPath(path);
        pSetting->m_strVeskDir = DirectoryOfPath(path);
    }
    emit opened();
    return true;
}

void CNorv2Doc::Refresh()
{
    const CRecordFile::REFRESHRESULT result = m_File.Refresh(*m_pBook);
    if (result.change == CRecordFile::Change::None)
        return;
    if (result.nCode != 0) {
        ReportBrokenFile(result.nCode);
        return;
    }
    if (result.change == CRecordFile::Change::Reloaded)
        emit reloaded();
    emit updateAllViews();
    emit recordsAppended();
}

void CNorv2Doc::ReportBrokenFile(int nCode)
{
    // The same broken lines would be reported again at every tick.
    m_File.StopWatching();
    if (nCode == CRecordFile::kReadError || nCode == CRecordFile::kOpenError) {
        // The runs read so far stay, as after any failed read.
        AfxMessageBox(std::string(kReadErrorText));
    } else {
        if (nCode == IDP_OUT_OF_MEMORY)
            ReportOutOfMemory();
        AfxMessageBox(static_cast<unsigned>(nCode));
        DeleteContents();
    }
    ResetToInitialState();
}

void CNorv2Doc::ResetToInitialState()
{
    AfxMessageBox(std::string(kBrokenFileText), MB_OK);
    emit resetLayout();
    emit loadEnded();
    if (CAppSetting* pSetting = GetSetting()) {
        pSetting->m_strUserName.clear();
        pSetting->m_strVeskDir.clear();
    }
    emit resetChart();
}
