#pragma once
#include <QPushButton>
#include <functional>
#include <optional>

#include "core/base/ColorRef.h"

// A push button that shows one colour as a swatch and lets the user choose another.
class CColorBtn : public QPushButton
{
    Q_OBJECT

public:
    explicit CColorBtn(COLORREF crColor, QWidget* pParent = nullptr);

    // Returns the previous colour. Only a real change notifies and repaints.
    COLORREF SetColor(COLORREF crColor);
    COLORREF GetColor() const { return m_crColor; }

    // The chooser the click opens: the chosen colour, or nothing when cancelled.
    // Tests put their own in place; an empty function restores the colour dialog.
    using ColorChooser = std::function<std::optional<COLORREF>(QWidget* pOwner, COLORREF crInitial)>;
    static void SetColorChooser(ColorChooser chooser);

signals:
    void colorChanged(COLORREF crColor, CColorBtn* pSender);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void OnClicked();

    COLORREF m_crColor;
};
