#pragma once
#include <QImage>
#include <QTimer>
#include <QWidget>

// The title picture shown while the program starts. It goes away by itself after a short
// time, or at once when the user presses a key or a mouse button anywhere in the program;
// that press is swallowed, so it cannot act on a window the user has not seen yet.
class CSplashWin : public QWidget
{
    Q_OBJECT

public:
    // Whether a splash may be shown in this run (false with --no-splash).
    static void EnableSplash(bool bEnable);
    // Shows the splash centred on the primary screen, unless it is disabled or already up.
    static void ShowSplash(QWidget* pParent);
    // True when the event is a press that takes the splash down (and is to be consumed).
    // Installed as an application-wide event filter while the splash is up.
    static bool PreTranslateSplash(QEvent* pEvent);
    static void HideSplash();
    // The splash while it is up, else null.
    static CSplashWin* GetSplashWin() { return s_pSplashWin; }

    ~CSplashWin() override;

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CSplashWin(QWidget* pParent);

    QImage m_imgSplash;
    QTimer m_timer;

    static bool s_bShowSplash;
    static CSplashWin* s_pSplashWin;
};
