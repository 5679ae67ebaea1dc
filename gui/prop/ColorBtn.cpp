#include "gui/prop/ColorBtn.h"

#include <QColorDialog>
#include <QPainter>

#include "gui/base/ColorConvert.h"
#include "gui/base/DialogAboveBoards.h"

namespace {
CColorBtn::ColorChooser& Chooser()
{
    static CColorBtn::ColorChooser chooser;
    return chooser;
}

std::optional<COLORREF> ChooseWithDialog(QWidget* /*pOwner*/, COLORREF crInitial)
{
    QColorDialog dialog(ToQColor(crInitial));
    KeepAboveBoards(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ToColorRef(dialog.selectedColor());
}

// Draws the outline of r one pixel wide, inside r, filled with brush.
void DrawRectangle(QPainter& painter, const QRect& r, const QColor& pen, const QBrush& brush)
{
    painter.fillRect(r, brush);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(0, 0, -1, -1));
}

// The raised soft edge: light outer top-left, dark outer bottom-right, then the inner pair.
void DrawRaisedEdge(QPainter& painter, const QRect& r, const QPalette& pal)
{
    auto frame = [&](const QRect& rc, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(rc.topLeft(), rc.topRight());
        painter.drawLine(rc.topLeft(), rc.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(rc.bottomLeft(), rc.bottomRight());
        painter.drawLine(rc.topRight(), rc.bottomRight());
    };
    frame(r, pal.color(QPalette::Light), pal.color(QPalette::Shadow));
    frame(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Midlight), pal.color(QPalette::Dark));
}
} // namespace

CColorBtn::CColorBtn(COLORREF crColor, QWidget* pParent) : QPushButton(pParent), m_crColor(crColor)
{
    connect(this, &QPushButton::clicked, this, &CColorBtn::OnClicked);
}

void CColorBtn::SetColorChooser(ColorChooser chooser)
{
    Chooser() = std::move(chooser);
}

COLORREF CColorBtn::SetColor(COLORREF crColor)
{
    if (crColor == m_crColor)
        return m_crColor;
    const COLORREF crOld = m_crColor;
    m_crColor = crColor;
    emit colorChanged(m_crColor, this);
    update();
    return crOld;
}

void CColorBtn::OnClicked()
{
    const auto chosen = Chooser() ? Chooser()(this, m_crColor) : ChooseWithDialog(this, m_crColor);
    if (chosen)
        SetColor(*chosen);
}

void CColorBtn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& pal = palette();
    const QBrush face = pal.brush(QPalette::Button);
    const QRect r = rect();
    painter.fillRect(r, face);

    QRect inner = r;
    if (hasFocus()) {
        DrawRectangle(painter, inner, Qt::black, face);
        inner.adjust(1, 1, -1, -1);
    }
    if (isDown())
        DrawRectangle(painter, inner, pal.color(QPalette::Dark), face);
    else
        DrawRaisedEdge(painter, inner, pal);

    // The swatch keeps its place whatever the state, so the colour never jumps.
    DrawRectangle(painter, r.adjusted(4, 4, -4, -4), pal.color(QPalette::ButtonText), QBrush(ToQColor(m_crColor)));
}
