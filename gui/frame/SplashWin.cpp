#include "gui/frame/SplashWin.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "gui/res/TitlePicture.h"

namespace {
constexpr int kSplashMs = 750;
} // namespace

bool CSplashWin::s_bShowSplash = false;
CSplashWin* CSplashWin::s_pSplashWin = nullptr;

CSplashWin::CSplashWin(QWidget* pParent)
    : QWidget(pParent, Qt::SplashScreen | Qt::FramelessWindowHint), m_imgSplash(TitlePicture())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(m_imgSplash.size());
    if (const QScreen* pScreen = QGuiApplication::primaryScreen()) {
        QRect rc(QPoint(), size());
        rc.moveCenter(pScreen->availableGeometry().center());
        move(rc.topLeft());
    }
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSplashMs);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWin::HideSplash);
}

CSplashWin::~CSplashWin()
{
    if (s_pSplashWin == this)
        s_pSplashWin = nullptr;
    qApp->removeEventFilter(this);
}

void CSplashWin::EnableSplash(bool bEnable)
{
    s_bShowSplash = bEnable;
}

void CSplashWin::ShowSplash(QWidget* pParent)
{
    if (!s_bShowSplash || s_pSplashWin)
        return;
    s_pSplashWin = new CSplashWin(pParent);
    qApp->installEventFilter(s_pSplashWin);
    s_pSplashWin->show();
    s_pSplashWin->repaint();
    s_pSplashWin->m_timer.start();
}

bool CSplashWin::PreTranslateSplash(QEvent* pEvent)
{
    if (!s_pSplashWin || !pEvent)
        return false;
    switch (pEvent->type()) {
    case QEvent::ShortcutOverride:
        // Claimed so that no shortcut fires; the key press that follows takes the splash down.
        pEvent->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick: HideSplash(); return true;
    default: return false;
    }
}

void CSplashWin::HideSplash()
{
    CSplashWin* pSplash = s_pSplashWin;
    if (!pSplash)
        return;
    s_pSplashWin = nullptr;
    qApp->removeEventFilter(pSplash);
    pSplash->m_timer.stop();
    pSplash->hide();
    // Deleted later: this may run inside the splash's own event filter or timer signal.
    pSplash->deleteLater();
}

bool CSplashWin::eventFilter(QObject* /*pWatched*/, QEvent* pEvent)
{
    return PreTranslateSplash(pEvent);
}

void CSplashWin::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_imgSplash);
}
