#pragma once
#include <QAbstractSpinBox>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/ColorRef.h"
#include "app/LogFont.h"

class QLineEdit;
class CColorBtn;

// An edit that takes digits only, with arrows that step the number inside nMin..nMax.
// Typing may still leave any number there; the page's data exchange checks the range.
class CDigitSpin : public QAbstractSpinBox
{
public:
    CDigitSpin(int nMin, int nMax, QWidget* pParent = nullptr);

    void SetPos(int nPos);
    QLineEdit* Edit() const { return lineEdit(); }
    void stepBy(int steps) override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    StepEnabled stepEnabled() const override;

private:
    int m_nMin;
    int m_nMax;
    int m_nPos;
};

// What the two property pages share: creation on first showing, the modified mark,
// tooltips and status prompts from the string table, colour names and the font chooser.
class CPrpPage : public QWidget
{
    Q_OBJECT

public:
    explicit CPrpPage(QWidget* pParent = nullptr);

    // Builds the controls the first time; a page never created neither validates nor stores.
    void Create();
    bool IsCreated() const { return m_bCreated; }

    // true: controls to members, checked in order, stopping with a message at the first bad value.
    // false: members to controls.
    virtual bool UpdateData(bool bSaveAndValidate) = 0;
    // Writes the page's values into the settings and tells the main window.
    virtual void StoreSettings() = 0;

    bool IsModified() const { return m_bModified; }
    void SetModified(bool bModified = true);

    // The control with the given ID, once the page is created.
    template <typename T = QWidget> T* GetDlgItem(int nID) const
    {
        return findChild<T*>(CtrlName(nID));
    }
    static QString CtrlName(int nID);

    // The font chooser the font buttons open: the chosen font, or nothing when cancelled.
    // Tests put their own in place; an empty function restores the font dialog.
    using FontChooser = std::function<std::optional<QFont>(QWidget* pOwner, const QFont& initial)>;
    static void SetFontChooser(FontChooser chooser);

    // The screen's vertical logical resolution, which turns font heights into points.
    static int ScreenLogPixelsY();

signals:
    void modifiedChanged(bool bModified);
    void settingsStored();

protected:
    virtual void OnInitDialog() = 0;

    // Names a control by its ID and gives it its status prompt and tooltip.
    template <typename T> T* Register(T* pCtrl, int nID)
    {
        RegisterWidget(pCtrl, nID);
        return pCtrl;
    }
    void RegisterWidget(QWidget* pCtrl, int nID);
    void WatchColorButton(CColorBtn* pButton);
    // Digits into nValue, or the range message and the focus on the edit.
    bool ExchangeInt(CDigitSpin* pSpin, int& nValue, int nMin, int nMax, bool bSaveAndValidate);
    // Opens the chooser on lf; true when a different font was taken into lf.
    bool ChooseFont(LOGFONT& lf);

private:
    bool m_bCreated = false;
    bool m_bModified = false;
};
