#pragma once
#include <QFontDialog>

class QListWidget;

// The font chooser of the property pages: screen fonts, no effects (underline and
// strike-out are never kept), only the sizes and styles (標準, 太字, 斜体, 太字 斜体) the
// pages keep, and a sample of the font. A size typed outside
// them is refused with a message, and the chooser stays open.
class CFontChooserDialog : public QFontDialog
{
    Q_OBJECT

public:
    explicit CFontChooserDialog(const QFont& initial);

    void done(int nResult) override;

private:
    void OfferKeptSizesOnly();
    // Puts the kept styles in the place of Qt's list of the font's faces.
    void ReplaceStyleList(const QFont& initial);
    // Gives the sample, and with it the result, the chosen style.
    void ShowKeptStyle();

    QListWidget* m_pStyles = nullptr;
};
