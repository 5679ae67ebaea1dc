#pragma once
#include <array>

#include "app/AppSetting.h"
#include "prop/PrpPage.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;

// The chart page: colours of each category, bar and line sizes, the gauge colouring and the chart font.
class CChartPrp : public CPrpPage
{
    Q_OBJECT

public:
    // nCategory is the one the view shows, -1 for none (the page then starts on 英字).
    explicit CChartPrp(int nCategory, QWidget* pParent = nullptr);

    bool UpdateData(bool bSaveAndValidate) override;
    void StoreSettings() override;

    int GetCategory() const { return m_nCategory; }
    const CHARTCOLOR& GetColors(int nCategory) const { return m_Colors.at(static_cast<std::size_t>(nCategory)); }
    const LOGFONT& GetChartFont() const { return m_lfChart; }

    // Shows the colours of category 0..3 in the four buttons; -1 for any other value.
    int LoadColorButtons(int nCategory);
    // Keeps the four buttons' colours as those of category 0..3; -1 for any other value.
    int StoreColorButtons(int nCategory);

protected:
    void OnInitDialog() override;

private:
    void OnCategoryClicked();
    void OnGageColorClicked();
    void OnFontClicked();
    void ShowFontInfo();

    int m_bGageColor = 0;
    int m_nBarSpace = 0;
    int m_nBarCount = 0;
    int m_nBarWidth = 0;
    int m_nLineWidth = 0;
    CDigitSpin* m_spinBarSpace = nullptr;
    CDigitSpin* m_spinBarWidth = nullptr;
    CDigitSpin* m_spinBarCount = nullptr;
    CDigitSpin* m_spinLineWidth = nullptr;
    CColorBtn* m_btnAxis = nullptr;
    CColorBtn* m_btnBar = nullptr;
    CColorBtn* m_btnBack = nullptr;
    CColorBtn* m_btnLine = nullptr;
    LOGFONT m_lfChart;
    std::array<CHARTCOLOR, 4> m_Colors{};
    int m_nCategory = 0;
    QButtonGroup* m_grpCategory = nullptr;
    QCheckBox* m_chkGageColor = nullptr;
    QLineEdit* m_editFaceName = nullptr;
    QLineEdit* m_editFontSize = nullptr;
};
