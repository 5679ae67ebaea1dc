#pragma once
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

class CAppSetting;
class CAppSettings;
class CMainFrame;
class CNorv2Doc;
class CQtProfileStore;
class CRecordSession;
class CQuitSignals;
class CSingleInstance;

// Start-up and exit of the viewer: settings, one running copy, the document and
// the main window, reopening the last file, and the commands it owns.
class CNorv2App : public QObject
{
    Q_OBJECT

public:
    CNorv2App();
    ~CNorv2App() override;

    // Everything before the event loop; false ends the program (a second copy, or no window).
    [[nodiscard]] bool InitInstance(const QStringList& args);
    // The event loop, unless a signal already asked the viewer to end while it was starting.
    int Run();
    // Saves the settings; after the event loop.
    int ExitInstance();
    // For an end of the program that passes no event loop's end (Qt ends it when the X server
    // is lost): saves the settings, telling a failure on standard error, and releases the lock.
    void ExitWithoutDisplay();

    void OnFileOpen();
    void OnAppAbout();

    CMainFrame* GetMainFrame() const { return m_pFrame.get(); }
    CNorv2Doc* GetDocument() const { return m_pDoc.get(); }
    CRecordSession& GetSession() const { return *m_pSession; }
    CAppSettings& GetSettings() const { return *m_pSetting; }

private:
    // Asks for a record file and opens it, saying so when it cannot be opened.
    void OpenFromDialog();
    void Activate();
    // Ends the viewer as closing its window does, also from inside a modal dialog.
    void Quit();
    CAppSetting& Setting();
    // Writes the settings to disk; empty, or why they could not be written.
    std::string SaveSettings();

    std::unique_ptr<CQtProfileStore> m_pStore;
    // The one set of settings, lent by reference to the windows.
    std::unique_ptr<CAppSettings> m_pSetting;
    std::unique_ptr<CSingleInstance> m_pInstance;
    std::unique_ptr<CQuitSignals> m_pQuitSignals;
    std::unique_ptr<CNorv2Doc> m_pDoc;
    std::unique_ptr<CRecordSession> m_pSession;
    std::unique_ptr<CMainFrame> m_pFrame;
    // QCoreApplication::quit() before the event loop runs (while the file loads) is lost.
    bool m_bQuitRequested = false;
};
