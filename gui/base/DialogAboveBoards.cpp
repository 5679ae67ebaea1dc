#include "gui/base/DialogAboveBoards.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
// Places its dialog over the active window as it is shown, then raises it once the
// window system has it: a window manager may put a new window below the focused one.
class CShowAboveBoards : public QObject
{
public:
    explicit CShowAboveBoards(QWidget& dialog) : QObject(&dialog), m_dialog(dialog) {}

    bool eventFilter(QObject* pWatched, QEvent* pEvent) override
    {
        if (pWatched != &m_dialog || pEvent->type() != QEvent::Show)
            return false;
        const QWidget* pOwner = QApplication::activeWindow();
        if (pOwner && pOwner != &m_dialog && !m_dialog.testAttribute(Qt::WA_Moved))
            m_dialog.move(pOwner->frameGeometry().center() - m_dialog.rect().center());
        QTimer::singleShot(0, &m_dialog, [this] {
            m_dialog.raise();
            m_dialog.activateWindow();
        });
        return false;
    }

private:
    QWidget& m_dialog;
};
} // namespace

void KeepAboveBoards(QWidget& dialog)
{
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.installEventFilter(new CShowAboveBoards(dialog));
}
