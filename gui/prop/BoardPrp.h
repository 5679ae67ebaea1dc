#pragma once
#include <array>
#include <string>

#include "core/record/Kinds.h"
#include "core/settings/AppSetting.h"
#include "gui/prop/PrpPage.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

using CBoardColorPage = CColorSetPage<BOARDCOLOR, 7, Scale, kScales.size()>;

// The board page: colours of each scale, the rows shown, Japanese labels, the quote
// prefix of copied text and the board font.
class CBoardPrp : public CBoardColorPage
{
    Q_OBJECT

public:
    // nScale is the one the chart view shows.
    CBoardPrp(CAppSettings& settings, Scale nScale, QWidget* pParent = nullptr);

    bool UpdateData(bool bSaveAndValidate) override;
    void StoreSettings() override;

    Scale GetScale() const { return m_nScale; }
    int GetBoardFlag() const { return m_nBoardFlag; }
    const LOGFONT& GetBoardFont() const { return m_lfBoard; }

protected:
    void OnInitDialog() override;
    std::array<ColorRole, 7> ColorRoles() const override;

private:
    void OnFlagClicked(int nBit);
    void OnQuoteEdited(const QString& strText);

    Scale m_nScale = Scale::Daily;
    LOGFONT m_lfBoard;
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
