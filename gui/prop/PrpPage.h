#pragma once
#include <QAbstractSpinBox>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

#include "core/base/ColorRef.h"
#include "core/record/Kinds.h"
#include "core/settings/LogFont.h"
#include "core/settings/SettingTable.h"
#include "gui/prop/ColorBtn.h"

class CAppSettings;
class QButtonGroup;
class QGroupBox;
class QLineEdit;

// An edit that takes digits only, with arrows that step the number inside a range.
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
    explicit CDigitSpin(IntRange range, QWidget* pParent = nullptr);

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
    // The page edits a copy of settings and writes it back on OK or Apply; settings must
    // outlive the page.
    explicit CPrpPage(CAppSettings& settings, QWidget* pParent = nullptr);

    // Builds the controls the first time; a page never created neither validates nor stores.
    void Create();
    bool IsCreated() const { return m_bCreated; }

    // true: controls to members, checked in order, stopping with a message at the first bad value.
    // false: members to controls.
    virtual bool UpdateData(bool bSaveAndValidate) = 0;
    // Writes the page's values into the settings, which announce them.
    virtual void StoreSettings() = 0;

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

protected:
    virtual void OnInitDialog() = 0;
    void focusInEvent(QFocusEvent* event) override;

    CAppSettings& m_settings;

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

    // Digits into nValue, or the range message and the focus on the edit.
    bool ExchangeInt(CDigitSpin* pSpin, int& nValue, IntRange range, bool bSaveAndValidate);
    // Checks the button of pGroup with ID nID.
    static void CheckSetButton(QButtonGroup* pGroup, int nID);
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

// A page whose colour buttons show one of several colour sets, chosen by a radio group:
// the categories' chart colours or the scales' board colours.
template <typename COLORS, std::size_t N, typename SET, std::size_t M> class CColorSetPage : public CPrpPage
{
public:
    using CPrpPage::CPrpPage;

    const COLORS& GetColors(SET nSet) const { return m_Colors[Index(nSet)]; }

protected:
    // One colour button and the colour of a set it edits.
    struct ColorRole
    {
        CColorBtn* pButton;
        COLORREF COLORS::*pcrColor;
    };
    // The buttons, once the page is created.
    virtual std::array<ColorRole, N> ColorRoles() const = 0;

    // Shows the colours of set nSet in the colour buttons.
    void LoadColorButtons(SET nSet)
    {
        if (!IsCreated())
            return;
        for (const ColorRole& role : ColorRoles())
            role.pButton->SetColor(m_Colors[Index(nSet)].*role.pcrColor);
    }
    // Keeps the buttons' colours as those of set nSet.
    void StoreColorButtons(SET nSet)
    {
        if (!IsCreated())
            return;
        for (const ColorRole& role : ColorRoles())
            m_Colors[Index(nSet)].*role.pcrColor = role.pButton->GetColor();
    }

    // A radio button of pGroup, whose IDs are the sets' Index, chose another colour set.
    // nSet is the page's member that the data exchange reads from pGroup; it is read
    // again after the exchange.
    void SwitchColorSet(QButtonGroup* pGroup, const SET& nSet)
    {
        StoreColorButtons(nSet);
        // Loading another set's colours is no edit of its own, but edits made before
        // the switch are still waiting for Apply.
        const bool bWasModified = IsModified();
        UpdateData(true);
        // A value refused before the radio group was read leaves the old set current; the
        // radio buttons must say so, or the colours shown would be taken for the other set.
        CheckSetButton(pGroup, static_cast<int>(Index(nSet)));
        LoadColorButtons(nSet);
        SetModified(bWasModified);
    }

    std::array<COLORS, M> m_Colors{};
};
