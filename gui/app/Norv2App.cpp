#include "gui/app/Norv2App.h"

#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstdlib>

#include "core/record/RecordPath.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "gui/app/QuitSignals.h"
#include "gui/app/RecordFileDialog.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/VersionDlg.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/base/QtDesktopMetrics.h"
#include "gui/frame/MainFrame.h"
#include "gui/frame/SplashWin.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"
#include "store/FileName.h"
#include "store/QtProfileStore.h"

namespace {
// The viewer whose settings are not saved yet, for an end of the program by exit().
CNorv2App* s_pUnsaved = nullptr;

void SaveAtProgramEnd()
{
    if (s_pUnsaved)
        s_pUnsaved->ExitWithoutDisplay();
}
} // namespace

CNorv2App::CNorv2App() = default;

CNorv2App::~CNorv2App()
{
    if (s_pUnsaved == this)
        s_pUnsaved = nullptr;
}

CAppSetting& CNorv2App::Setting()
{
    return m_pSetting->Get();
}

bool CNorv2App::InitInstance(const QStringList& args)
{
    CSplashWin::EnableSplash(!args.contains(QStringLiteral("--no-splash")));

    m_pStore = std::make_unique<CQtProfileStore>();
    m_pSetting = std::make_unique<CAppSettings>();
    Setting().Load(*m_pStore, CQtDesktopMetrics());

    // Before the lock and socket exist, so a signal cannot end the program without removing them.
    m_pQuitSignals = std::make_unique<CQuitSignals>();
    connect(m_pQuitSignals.get(), &CQuitSignals::quitRequested, this, &CNorv2App::Quit);
    m_pInstance = std::make_unique<CSingleInstance>(QStringLiteral("Norv2"));
    if (!m_pInstance->Claim())
        return false;
    connect(m_pInstance.get(), &CSingleInstance::activationRequested, this, &CNorv2App::Activate);
    static const bool bRegistered = std::atexit(SaveAtProgramEnd) == 0;
    Q_UNUSED(bRegistered);
    s_pUnsaved = this;

    m_pDoc = std::make_unique<CNorv2Doc>();
    m_pSession = std::make_unique<CRecordSession>(*m_pDoc, *m_pSetting);
    m_pFrame = std::make_unique<CMainFrame>(*m_pSession, *m_pSetting);
    connect(m_pFrame.get(), &CMainFrame::openFileRequested, this, &CNorv2App::OnFileOpen);
    connect(m_pFrame.get(), &CMainFrame::aboutRequested, this, &CNorv2App::OnAppAbout);
    CSplashWin::ShowSplash(nullptr);

    QString strFile;
    for (const QString& arg : args.mid(1)) {
        if (!arg.startsWith(QLatin1Char('-'))) {
            strFile = arg;
            break;
        }
    }
    if (strFile.isEmpty() && !Setting().m_strVeskDir.empty() && !Setting().m_strUserName.empty())
        strFile = FileNameToQString(RecordPathOf(Setting().m_strVeskDir, Setting().m_strUserName));
    if (!strFile.isEmpty())
        m_pSession->OpenNamed(strFile);
    m_pFrame->EnableSelectors(!Setting().m_strUserName.empty());
    m_pFrame->ShowStrip();
    return true;
}

int CNorv2App::Run()
{
    return m_bQuitRequested ? 0 : QCoreApplication::exec();
}

int CNorv2App::ExitInstance()
{
    m_pFrame.reset();
    if (const std::string strFailure = SaveSettings(); !strFailure.empty())
        AfxMessageBox(LoadString(IDP_SETTINGS_NOT_SAVED) + "\n" + strFailure);
    return 0;
}

void CNorv2App::ExitWithoutDisplay()
{
    if (const std::string strFailure = SaveSettings(); !strFailure.empty())
        std::fprintf(stderr, "Norv2: %s: %s\n", LoadString(IDS_SETTINGS_NOT_SAVED).c_str(), strFailure.c_str());
    m_pInstance.reset();
}

std::string CNorv2App::SaveSettings()
{
    if (s_pUnsaved == this)
        s_pUnsaved = nullptr;
    if (!m_pSetting || !m_pStore)
        return {};
    const bool bWritten = Setting().Save(*m_pStore);
    return m_pStore->Flush() && bWritten ? std::string() : m_pStore->DescribeWriteFailure();
}

void CNorv2App::Quit()
{
    m_bQuitRequested = true;
    if (m_pFrame)
        m_pFrame->close();
    QCoreApplication::quit();
}

void CNorv2App::OnFileOpen()
{
    OpenFromDialog();
    // The dialog has no owner: once it is gone the window manager may activate no window
    // at all, and the keys would reach no visible control.
    Activate();
}

void CNorv2App::OpenFromDialog()
{
    // The dialog starts where the user's record files are.
    const QString strDir = m_pSession->RecordFolder();
    const QString strPath = GetRecordFileName(strDir.isEmpty() ? QDir::homePath() : strDir);
    if (!strPath.isEmpty() && m_pSession->OpenChosen(strPath) == OpenOutcome::Opened)
        m_pFrame->ShowStrip();
}

void CNorv2App::OnAppAbout()
{
    CVersionDlg dialog;
    dialog.exec();
}

void CNorv2App::Activate()
{
    if (!m_pFrame)
        return;
    if (m_pFrame->isMinimized())
        m_pFrame->showNormal();
    m_pFrame->raise();
    m_pFrame->activateWindow();
    if (QWidget* popup = QApplication::activeModalWidget()) {
        popup->raise();
        popup->activateWindow();
    }
}
