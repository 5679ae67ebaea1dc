#pragma once
#include <QFontDialog>

// The font chooser of the property pages: screen fonts, no effects (underline and
// strike-out are never kept), and only the sizes the pages keep. A size typed outside
// them is refused with a message, and the chooser stays open.
class CFontChooserDialog : public QFontDialog
{
    Q_OBJECT

public:
    explicit CFontChooserDialog(const QFont& initial);

    void done(int nResult) override;

private:
    void OfferKeptSizesOnly();
};
