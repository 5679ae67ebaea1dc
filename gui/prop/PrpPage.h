#pragma once
#include <QAbstractSpinBox>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/base/ColorRef.h"
#include "core/settings/LogFont.h"
#include "gui/prop/ColorBtn.h"

class CAppSetting;
class QButtonGroup;
class QGroupBox;
class QLineEdit;

// An edit that takes digits only, with arrows that step the number inside nMin..nMax.
// Typing may still leave any number there; the page's data exchange checks the range.
// Assistive technology reads the number and the range through the properties Qt's own
// spin boxes have.
class CDigitSpin : public QAbstractSpinBox
{
    Q_OBJECT
    Q_PROPERTY(int value READ Value)
    Q_PROPERTY(int minimum MEMBER m_nMin CONSTANT)
    Q_PROPERTY(int maximum MEMBER m_nMax CONSTANT)

public:
    CDigitSpin(int nMin, int nMax, QWidget* pParent = nullptr);

    void SetPos(int nPos);
    // The number the edit shows, or the arrows' position while it shows none.
    int Value() const;
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
    // The page edits a copy of setting and writes it back on OK or Apply; setting must
    // outlive the page.
    explicit CPrpPage(CAppSetting& setting, QWidget* pParent = nullptr);

    // Builds the controls the first time; a page never created neither validates nor stores.
    void Create();
    bool IsCreated() const { return m_bCreated; }

    // true: controls to members, checked in order, stopping with a message at the first bad value.
    // false: members to controls.
    virtual bool UpdateData(bool bSaveAndValidate) = 0;
    // Writes the page's values into the settings and tells the main window.
    virtual void StoreSettings() = 0;

    // Shows the colours of set nIndex (a category or a scale) in the colour buttons,
    // or keeps the buttons' colours as that set's; -1 when there is no such set.
    virtual int LoadColorButtons(int nIndex) = 0;
    virtual int StoreColorButtons(int nIndex) = 0;

    bool IsModified() const { return m_bModified; }
    void SetModified(bool bModified = true);

    // The control with the given ID, once the page is created.
    template <typename T = QWidget> T* GetDlgItem(int nID) const { return findChild<T*>(CtrlName(nID)); }
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
    void focusInEvent(QFocusEvent* event) override;

    CAppSetting& m_setting;

    // Names a control by its ID and gives it its status prompt and tooltip.
    template <typename T> T* Register(T* pCtrl, int nID)
    {
        RegisterWidget(pCtrl, nID);
        return pCtrl;
    }
    void RegisterWidget(QWidget* pCtrl, int nID);

    // A colour button named after its label, whose changes mark the page modified and
    // rename its tooltip and description.
    CColorBtn* CreateColorButton(int nID, const QString& strLabel, QWidget* pParent);

    // One colour button and the colour of a set it edits.
    template <typename COLORS> struct ColorRole
    {
        CColorBtn* pButton;
        COLORREF COLORS::*pcrColor;
    };
    template <typename COLORS, std::size_t N, std::size_t M>
    int LoadColorSet(const std::array<ColorRole<COLORS>, N>& roles, const std::array<COLORS, M>& sets, int nIndex)
    {
        if (!IsCreated() || nIndex < 0 || nIndex >= static_cast<int>(M))
            return -1;
        for (const ColorRole<COLORS>& role : roles)
            role.pButton->SetColor(sets[static_cast<std::size_t>(nIndex)].*role.pcrColor);
        return 0;
    }
    template <typename COLORS, std::size_t N, std::size_t M>
    int StoreColorSet(const std::array<ColorRole<COLORS>, N>& roles, std::array<COLORS, M>& sets, int nIndex)
    {
        if (!IsCreated() || nIndex < 0 || nIndex >= static_cast<int>(M))
            return -1;
        for (const ColorRole<COLORS>& role : roles)
            sets[static_cast<std::size_t>(nIndex)].*role.pcrColor = role.pButton->GetColor();
        return 0;
    }

    // A radio button of pGroup chose another colour set. nSet is the page's member that
    // the data exchange reads from pGroup; it is read again after the exchange.
    void SwitchColorSet(QButtonGroup* pGroup, const int& nSet);

    // Puts lf into the settings' font, making one where there was none.
    static void StoreFont(std::unique_ptr<LOGFONT>& pFont, const LOGFONT& lf);
    // Digits into nValue, or the range message and the focus on the edit.
    bool ExchangeInt(CDigitSpin* pSpin, int& nValue, int nMin, int nMax, bool bSaveAndValidate);
    // The font group, showing lf's face name, size and style, and the button that changes lf.
    QGroupBox* CreateFontGroup(LOGFONT& lf, int nFaceID, int nSizeID, int nButtonID, const QString& strButton);

private:
    void FocusFirstControl(Qt::FocusReason reason);
    void ShowFontInfo();
    // Opens the chooser on the font; true when a different font was taken.
    bool ChooseFont();

    LOGFONT* m_pFont = nullptr;
    QLineEdit* m_editFaceName = nullptr;
    QLineEdit* m_editFontSize = nullptr;
    bool m_bCreated = false;
    bool m_bModified = false;
};
