#include "gui/prop/ChartPrp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/prop/PrpRules.h"
#include "core/settings/SettingTable.h"
#include "gui/base/AppSettings.h"

namespace {
constexpr int IDC_BAR_WIDTH = 7002;
constexpr int IDC_BAR_SPACE = 7003;
constexpr int IDC_BAR_COUNT = 7004;
constexpr int IDC_LINE_WIDTH = 7005;
constexpr int IDC_CATEGORY_FIRST = 7010;
constexpr int IDC_GAGE_COLOR = 1082;
constexpr int IDC_BAR_COLOR = 1084;
constexpr int IDC_LINE_COLOR = 1085;
constexpr int IDC_BACK_COLOR = 1086;
constexpr int IDC_AXIS_COLOR = 1087;
constexpr int IDC_FACE_NAME = 1039;
constexpr int IDC_FONT_SIZE = 7019;
constexpr int IDC_FONT_CHANGE = 7020;
} // namespace

CChartPrp::CChartPrp(CAppSettings& settings, std::optional<Category> nCategory, QWidget* pParent)
    : CChartColorPage(settings, pParent)
{
    const CAppSetting& setting = settings.Get();
    m_bGageColor = setting.m_bGageColor ? 1 : 0;
    m_nBarSpace = setting.m_nBarSpace;
    m_nBarCount = setting.m_nBarCount;
    m_nBarWidth = setting.m_nBarWidth;
    m_nLineWidth = setting.m_nLineWidth;
    if (setting.m_pChartFont)
        m_lfChart = *setting.m_pChartFont;
    for (const Category c : kCategories)
        setting.GetChartColors(&m_Colors[Index(c)], c);
    m_nCategory = nCategory.value_or(Category::Alph);
}

void CChartPrp::OnInitDialog()
{
    auto* layout = new QVBoxLayout(this);

    auto* grpColors = Register(new QGroupBox(QStringLiteral("各種目の色"), this), 0);
    auto* colorLayout = new QGridLayout(grpColors);
    m_grpCategory = new QButtonGroup(this);
    const char* const kCategories[] = {"英字(&A)", "かな(&K)", "ﾛｰﾏ字(&R)", "記号(&S)"};
    for (int i = 0; i < 4; ++i) {
        auto* radio = Register(new QRadioButton(QString::fromUtf8(kCategories[i]), grpColors), IDC_CATEGORY_FIRST + i);
        m_grpCategory->addButton(radio, i);
        colorLayout->addWidget(radio, 0, i);
    }
    auto addColor = [&](CColorBtn*& pButton, int nID, const char* pszLabel, int nRow, int nColumn) {
        auto* label = Register(new QLabel(QString::fromUtf8(pszLabel), grpColors), 0);
        pButton = CreateColorButton(nID, QString::fromUtf8(pszLabel), grpColors);
        label->setBuddy(pButton);
        colorLayout->addWidget(label, nRow, nColumn);
        colorLayout->addWidget(pButton, nRow, nColumn + 1);
    };
    addColor(m_btnBar, IDC_BAR_COLOR, "棒(&B)", 1, 0);
    addColor(m_btnLine, IDC_LINE_COLOR, "折れ線(&P)", 1, 2);
    addColor(m_btnBack, IDC_BACK_COLOR, "背景(&G)", 2, 0);
    addColor(m_btnAxis, IDC_AXIS_COLOR, "軸・日付(&X)", 2, 2);
    // The sheet is as high as its higher page: the lower one spreads its colour rows
    // rather than leaving an empty band at its foot.
    layout->addWidget(grpColors, 1);

    m_chkGageColor =
        Register(new QCheckBox(QStringLiteral("ゲージもグラフと同じ配色にする:(&C)"), this), IDC_GAGE_COLOR);
    layout->addWidget(m_chkGageColor);

    auto* sizeLayout = new QGridLayout;
    auto addSpin = [&](CDigitSpin*& pSpin, int nID, IntRange range, const char* pszLabel, int nRow, int nColumn) {
        auto* label = Register(new QLabel(QString::fromUtf8(pszLabel), this), 0);
        pSpin = Register(new CDigitSpin(range, this), nID);
        label->setBuddy(pSpin);
        sizeLayout->addWidget(label, nRow, nColumn);
        sizeLayout->addWidget(pSpin, nRow, nColumn + 1);
    };
    addSpin(m_spinBarWidth, IDC_BAR_WIDTH, kBarWidthSetting.range, "棒の幅(&W)", 0, 0);
    addSpin(m_spinBarSpace, IDC_BAR_SPACE, kBarSpaceSetting.range, "棒の間隔(&I)", 0, 2);
    addSpin(m_spinBarCount, IDC_BAR_COUNT, kBarCountSetting.range, "棒の本数(&N)", 1, 0);
    addSpin(m_spinLineWidth, IDC_LINE_WIDTH, kLineWidthSetting.range, "線の幅(&L)", 1, 2);
    layout->addLayout(sizeLayout);

    layout->addWidget(
        CreateFontGroup(m_lfChart, IDC_FACE_NAME, IDC_FONT_SIZE, IDC_FONT_CHANGE, QStringLiteral("変更(&F)")));

    UpdateData(false);

    m_spinBarSpace->SetPos(m_nBarSpace);
    m_spinBarCount->SetPos(m_nBarCount);
    m_spinBarWidth->SetPos(m_nBarWidth);
    m_spinLineWidth->SetPos(m_nLineWidth);

    LoadColorButtons(m_nCategory);
    SetModified(false);

    for (CDigitSpin* pSpin : {m_spinBarWidth, m_spinBarSpace, m_spinBarCount, m_spinLineWidth})
        connect(pSpin->Edit(), &QLineEdit::textChanged, this, [this] { SetModified(true); });
    connect(m_grpCategory, &QButtonGroup::idClicked, this, [this] { SwitchColorSet(m_grpCategory, m_nCategory); });
    connect(m_chkGageColor, &QCheckBox::clicked, this, &CChartPrp::OnGageColorClicked);
}

bool CChartPrp::UpdateData(bool bSave)
{
    if (!IsCreated())
        return true;
    if (!ExchangeInt(m_spinBarSpace, m_nBarSpace, kBarSpaceSetting.range, bSave) ||
        !ExchangeInt(m_spinBarCount, m_nBarCount, kBarCountSetting.range, bSave) ||
        !ExchangeInt(m_spinBarWidth, m_nBarWidth, kBarWidthSetting.range, bSave) ||
        !ExchangeInt(m_spinLineWidth, m_nLineWidth, kLineWidthSetting.range, bSave))
        return false;
    if (bSave) {
        m_nCategory = CategoryAt(m_grpCategory->checkedId()).value_or(Category::Alph);
        m_bGageColor = m_chkGageColor->isChecked() ? 1 : 0;
    } else {
        CheckSetButton(m_grpCategory, static_cast<int>(Index(m_nCategory)));
        m_chkGageColor->setChecked(m_bGageColor != 0);
    }
    return true;
}

std::array<CChartColorPage::ColorRole, 4> CChartPrp::ColorRoles() const
{
    return {{{m_btnBar, &CHARTCOLOR::crBar},
             {m_btnBack, &CHARTCOLOR::crBack},
             {m_btnAxis, &CHARTCOLOR::crAxis},
             {m_btnLine, &CHARTCOLOR::crLine}}};
}

void CChartPrp::OnGageColorClicked()
{
    SetModified(true);
    UpdateData(true);
}

void CChartPrp::StoreSettings()
{
    if (!IsCreated())
        return;
    StoreColorButtons(m_nCategory);
    CAppSettings::Edit edit(m_settings);
    for (const Category c : kCategories)
        edit.SetChartColors(m_Colors[Index(c)], c);
    edit.SetGageColor(m_bGageColor != 0);
    edit.SetChartFont(m_lfChart);
    edit.SetBarSpace(m_nBarSpace);
    edit.SetBarCount(m_nBarCount);
    edit.SetBarWidth(m_nBarWidth);
    edit.SetLineWidth(m_nLineWidth);
}
