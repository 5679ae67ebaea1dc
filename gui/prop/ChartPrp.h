#pragma once
#include <array>
#include <optional>

#include "core/record/Kinds.h"
#include "core/settings/AppSetting.h"
#include "gui/prop/PrpPage.h"

class QButtonGroup;
class QCheckBox;

using CChartColorPage = CColorSetPage<CHARTCOLOR, 4, Category, kCategories.size()>;

// The chart page: colours of each category, bar and line sizes, the gauge colouring and the chart font.
class CChartPrp : public CChartColorPage
{
    Q_OBJECT

public:
    // nCategory is the one the view shows; with none the page starts on 英字.
    CChartPrp(CAppSettings& settings, std::optional<Category> nCategory, QWidget* pParent = nullptr);

    bool UpdateData(bool bSaveAndValidate) override;
    void StoreSettings() override;

    Category GetCategory() const { return m_nCategory; }
    const LOGFONT& GetChartFont() const { return m_lfChart; }

protected:
    void OnInitDialog() override;
    std::array<ColorRole, 4> ColorRoles() const override;

private:
    void OnGageColorClicked();

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
    Category m_nCategory = Category::Alph;
    QButtonGroup* m_grpCategory = nullptr;
    QCheckBox* m_chkGageColor = nullptr;
};
