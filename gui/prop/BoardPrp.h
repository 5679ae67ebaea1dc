#pragma once
#include <array>
#include <string>

#include "core/record/Kinds.h"
#include "core/settings/AppSetting.h"
#include "gui/prop/PrpPage.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

// The board page: colours of each scale, the rows shown, Japanese labels, the quote
// prefix of copied text and the board font.
class CBoardPrp : public CPrpPage
{
    Q_OBJECT

public:
    // nScale is the one the chart view shows. The page's colour sets are the scales at their Index.
    CBoardPrp(CAppSetting& setting, Scale nScale, QWidget* pParent = nullptr);

    bool UpdateData(bool bSaveAndValidate) override;
    void StoreSettings() override;

    Scale GetScale() const { return kScales[static_cast<std::size_t>(m_nScale)]; }
    int GetBoardFlag() const { return m_nBoardFlag; }
    const BOARDCOLOR& GetColors(int nScale) const { return m_Colors.at(static_cast<std::size_t>(nScale)); }
    const LOGFONT& GetBoardFont() const { return m_lfBoard; }

    // The colour sets are the three scales.
    int LoadColorButtons(int nScale) override;
    int StoreColorButtons(int nScale) override;

protected:
    void OnInitDialog() override;

private:
    std::array<ColorRole<BOARDCOLOR>, 7> ColorRoles() const;
    void OnFlagClicked(int nBit);
    void OnQuoteEdited(const QString& strText);

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
};
