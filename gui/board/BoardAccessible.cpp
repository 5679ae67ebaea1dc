#include "gui/board/BoardAccessible.h"

#include <QAccessible>

#include "gui/base/ReadOnlyAccessibleText.h"
#include "gui/board/Norv2Board.h"

namespace {
// A read-only text without caret or selection: the board shows figures, it is not edited.
class CBoardAccessible : public CReadOnlyTextAccessible
{
public:
    explicit CBoardAccessible(CNorv2Board* pBoard) : CReadOnlyTextAccessible(pBoard, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? Text() : QAccessibleWidget::text(t);
    }
    using QAccessibleTextInterface::text;

private:
    QString Text() const override { return static_cast<CNorv2Board*>(widget())->GetTableText(); }
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
