#include "gui/board/BoardAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include "gui/board/Norv2Board.h"

namespace {
// A read-only text without caret or selection: the board shows figures, it is not edited.
class CBoardAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit CBoardAccessible(CNorv2Board* pBoard) : QAccessibleWidget(pBoard, QAccessible::Window) {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? Text() : QAccessibleWidget::text(t);
    }

    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override
    {
        return Text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Text().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString Text() const { return static_cast<CNorv2Board*>(widget())->GetTableText(); }
};

QAccessibleInterface* BoardAccessibleFactory(const QString& /*strClass*/, QObject* pObject)
{
    auto* pBoard = qobject_cast<CNorv2Board*>(pObject);
    return pBoard ? new CBoardAccessible(pBoard) : nullptr;
}
} // namespace

void AnnounceBoardText(CNorv2Board& board, const QString& strOld)
{
    const QString strNew = board.GetTableText();
    if (strNew == strOld)
        return;
    QAccessibleTextUpdateEvent text(&board, 0, strOld, strNew);
    QAccessible::updateAccessibility(&text);
    QAccessibleEvent description(&board, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&description);
}

void InstallBoardAccessible()
{
    static const bool bInstalled = (QAccessible::installFactory(&BoardAccessibleFactory), true);
    Q_UNUSED(bInstalled);
}
