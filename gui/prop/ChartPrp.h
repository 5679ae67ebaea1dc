#pragma once
#include <array>
#include <optional>

#include "core/record/Kinds.h"
#include "core/settings/AppSetting.h"
#include "gui/prop/PrpPage.h"

class QButtonGroup;
class QCheckBox;

// The chart page: colours of each category, bar and line sizes, the gauge colouring and the chart font.
class CChartPrp : public CPrpPage
{
    Q_OBJECT

public:
    // nCategory is the one the view shows; with none the page starts on 英字. The page's
    // colour sets are the categories at their Index.
    CChartPrp(CAppSetting& setting, std::optional<Category> nCategory, QWidget* pParent = nullptr);

    bool UpdateData(bool bSaveAndValidate) override;
    void StoreSettings() override;

    Category GetCategory() const { return kCategories[static_cast<std::size_t>(m_nCategory)]; }
    const CHARTCOLOR& GetColors(int nCategory) const { return m_Colors.at(static_cast<std::size_t>(nCategory)); }
    const LOGFONT& GetChartFont() const { return m_lfChart; }

    // The colour sets are the four categories.
    int LoadColorButtons(int nCategory) override;
    int StoreColorButtons(int nCategory) override;

protected:
    void OnInitDialog() override;

private:
    std::array<ColorRole<CHARTCOLOR>, 4> ColorRoles() const;
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
    std::array<CHARTCOLOR, 4> m_Colors{};
    int m_nCategory = 0;
    QButtonGroup* m_grpCategory = nullptr;
    QCheckBox* m_chkGageColor = nullptr;
};
