#pragma once
#include <array>
#include <string>

#include "app/AppSetting.h"
#include "prop/PrpPage.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

// The board page: colours of each scale, the rows shown, Japanese labels, the quote
// prefix of copied text and the board font.
class CBoardPrp : public CPrpPage
{
    Q_OBJECT

public:
    // nScale (0..2) is the one the chart view shows.
    explicit CBoardPrp(int nScale, QWidget* pParent = nullptr);

    bool UpdateData(bool bSaveAndValidate) override;
    void StoreSettings() override;

    int GetScale() const { return m_nScale; }
    int GetBoardFlag() const { return m_nBoardFlag; }
    const BOARDCOLOR& GetColors(int nScale) const { return m_Colors.at(static_cast<std::size_t>(nScale)); }
    const LOGFONT& GetBoardFont() const { return m_lfBoard; }

    // Shows the colours of scale 0..2 in the seven buttons; -1 for any other value.
    int LoadColorButtons(int nScale);
    // Keeps the seven buttons' colours as those of scale 0..2; -1 for any other value.
    int StoreColorButtons(int nScale);

protected:
    void OnInitDialog() override;

private:
    void OnScaleClicked();
    void OnFlagClicked(int nBit);
    void OnQuoteEdited(const QString& strText);
    void OnFontClicked();
    void ShowFontInfo();

    int m_nScale = 0;
    LOGFONT m_lfBoard;
    std::array<BOARDCOLOR, 3> m_Colors{};
    int m_nBoardFlag = 0;
    std::string m_strRefStr;
    CColorBtn* m_btnAlph = nullptr;
    CColorBtn* m_btnKana = nullptr;
    CColorBtn* m_btnRoma = nullptr;
    CColorBtn* m_btnSybl = nullptr;
    CColorBtn* m_btnBack = nullptr;
    CColorBtn* m_btnLabel = nullptr;
    CColorBtn* m_btnRule = nullptr;
    std::array<QCheckBox*, 5> m_chkFlag{}; // four rows, then the Japanese labels
    QButtonGroup* m_grpScale = nullptr;
    QLineEdit* m_editRefStr = nullptr;
    QString m_strLastRefText; // the quote edit's text before the latest keystroke
    QLineEdit* m_editFaceName = nullptr;
    QLineEdit* m_editFontSize = nullptr;
};
