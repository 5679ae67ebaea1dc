#include "gui/prop/BoardPrp.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/prop/PrpRules.h"
#include "core/settings/UsableSettings.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"

namespace {
constexpr int IDC_ROW_FIRST = 1027;
constexpr int IDC_FONT_SIZE = 1040;
constexpr int IDC_FONT_CHANGE = 1041;
constexpr int IDC_SCALE_FIRST = 1042;
constexpr int IDC_ROW_COLOR_FIRST = 1088;
constexpr int IDC_BACK_COLOR = 1092;
constexpr int IDC_LABEL_COLOR = 1093;
constexpr int IDC_RULE_COLOR = 1094;
constexpr int IDC_REF_STR = 1109;
constexpr int IDC_FACE_NAME = 7018;
} // namespace

CBoardPrp::CBoardPrp(CAppSettings& settings, Scale nScale, QWidget* pParent) : CBoardColorPage(settings, pParent)
{
    const CAppSetting& setting = settings.Get();
    m_nScale = nScale;
    m_nBoardFlag = setting.m_nBoardFlag;
    if (setting.m_pBoardFont)
        m_lfBoard = *setting.m_pBoardFont;
    for (const Scale scale : kScales)
        setting.GetBoardColors(&m_Colors[Index(scale)], scale);
}

void CBoardPrp::OnInitDialog()
{
    m_strRefStr = m_settings.Get().m_strRefStr;

    auto* layout = new QVBoxLayout(this);
    auto* grpColors = Register(new QGroupBox(QStringLiteral("各部の色"), this), 0);
    auto* colorLayout = new QGridLayout(grpColors);
    m_grpScale = new QButtonGroup(this);
    const char* const kScales[] = {"日ごと(&D)", "週ごと(&W)", "月ごと(&M)"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = Register(new QRadioButton(QString::fromUtf8(kScales[i]), grpColors), IDC_SCALE_FIRST + i);
        m_grpScale->addButton(radio, i);
        colorLayout->addWidget(radio, 0, i * 2, 1, 2);
    }
    const char* const kRows[] = {"英字(&A)", "かな(&K)", "ﾛｰﾏ字(&R)", "記号(&S)"};
    CColorBtn** const rowButtons[] = {&m_btnAlph, &m_btnKana, &m_btnRoma, &m_btnSybl};
    for (int i = 0; i < 4; ++i) {
        m_chkFlag[static_cast<std::size_t>(i)] =
            Register(new QCheckBox(QString::fromUtf8(kRows[i]), grpColors), IDC_ROW_FIRST + i);
        *rowButtons[i] = CreateColorButton(IDC_ROW_COLOR_FIRST + i, QString::fromUtf8(kRows[i]), grpColors);
        colorLayout->addWidget(m_chkFlag[static_cast<std::size_t>(i)], 1 + i, 0);
        colorLayout->addWidget(*rowButtons[i], 1 + i, 1);
    }
    auto addLabelled = [&](CColorBtn*& pButton, int nID, const char* pszLabel, int nRow) {
        auto* label = Register(new QLabel(QString::fromUtf8(pszLabel), grpColors), 0);
        pButton = CreateColorButton(nID, QString::fromUtf8(pszLabel), grpColors);
        label->setBuddy(pButton);
        colorLayout->addWidget(label, nRow, 3);
        colorLayout->addWidget(pButton, nRow, 4);
    };
    addLabelled(m_btnBack, IDC_BACK_COLOR, "背景(&B)", 1);
    addLabelled(m_btnLabel, IDC_LABEL_COLOR, "ラベル(&L)", 2);
    addLabelled(m_btnRule, IDC_RULE_COLOR, "区切線(&P)", 3);
    // The sheet is as high as its higher page: the lower one spreads its colour rows
    // rather than leaving an empty band at its foot.
    layout->addWidget(grpColors, 1);

    m_chkFlag[4] = Register(new QCheckBox(QStringLiteral("日本語表記にする(&J)"), this), IDC_ROW_FIRST + 4);
    layout->addWidget(m_chkFlag[4]);

    auto* refLayout = new QHBoxLayout;
    auto* refLabel = Register(new QLabel(QStringLiteral("ｺﾋﾟｰ文字列の引用符(&F)"), this), 0);
    m_editRefStr = Register(new QLineEdit(this), IDC_REF_STR);
    refLabel->setBuddy(m_editRefStr);
    refLayout->addWidget(refLabel);
    refLayout->addWidget(m_editRefStr);
    layout->addLayout(refLayout);

    layout->addWidget(
        CreateFontGroup(m_lfBoard, IDC_FACE_NAME, IDC_FONT_SIZE, IDC_FONT_CHANGE, QStringLiteral("変更(&C)")));

    UpdateData(false);
    m_strLastRefText = m_editRefStr->text();

    LoadColorButtons(m_nScale);
    for (int n = 0; n < 5; ++n) {
        const bool bSet = (m_nBoardFlag & (1 << n)) != 0;
        m_chkFlag[static_cast<std::size_t>(n)]->setChecked(bSet);
        if (n < 4)
            (*rowButtons[n])->setEnabled(bSet);
    }
    SetModified(false);

    connect(m_grpScale, &QButtonGroup::idClicked, this, [this] { SwitchColorSet(m_grpScale, m_nScale); });
    for (int n = 0; n < 5; ++n)
        connect(m_chkFlag[static_cast<std::size_t>(n)], &QCheckBox::clicked, this, [this, n] { OnFlagClicked(n); });
    connect(m_editRefStr, &QLineEdit::textEdited, this, &CBoardPrp::OnQuoteEdited);
    connect(m_editRefStr, &QLineEdit::textChanged, this, [this] { SetModified(true); });
}

bool CBoardPrp::UpdateData(bool bSave)
{
    if (!IsCreated())
        return true;
    if (!bSave) {
        CheckSetButton(m_grpScale, static_cast<int>(Index(m_nScale)));
        m_editRefStr->setText(QString::fromStdString(m_strRefStr));
        return true;
    }
    m_nScale = ScaleAt(m_grpScale->checkedId()).value_or(Scale::Daily);
    // The row boxes are read through their own click handler, which keeps m_nBoardFlag.
    m_strRefStr = m_editRefStr->text().toStdString();
    if (!IsQuoteWithinLimit(m_strRefStr)) {
        AfxMessageBox(QuoteLimitMessage(), MB_OK | MB_ICONEXCLAMATION);
        m_editRefStr->setFocus();
        m_editRefStr->selectAll();
        return false;
    }
    return true;
}

std::array<CBoardColorPage::ColorRole, 7> CBoardPrp::ColorRoles() const
{
    return {{{m_btnAlph, &BOARDCOLOR::crAlph},
             {m_btnKana, &BOARDCOLOR::crKana},
             {m_btnRoma, &BOARDCOLOR::crRoma},
             {m_btnSybl, &BOARDCOLOR::crSybl},
             {m_btnBack, &BOARDCOLOR::crBack},
             {m_btnLabel, &BOARDCOLOR::crLabel},
             {m_btnRule, &BOARDCOLOR::crRule}}};
}

void CBoardPrp::OnFlagClicked(int nBit)
{
    SetModified(true);
    QCheckBox* pBox = m_chkFlag[static_cast<std::size_t>(nBit)];
    const bool bChecked = pBox->checkState() != Qt::Unchecked;
    m_nBoardFlag = ChangeBoardFlag(m_nBoardFlag, nBit, bChecked);
    if (nBit == 4)
        return;
    CColorBtn* const rowButtons[] = {m_btnAlph, m_btnKana, m_btnRoma, m_btnSybl};
    for (int n = 0; n < 4; ++n) {
        const bool bShown = (m_nBoardFlag & (1 << n)) != 0;
        m_chkFlag[static_cast<std::size_t>(n)]->setChecked(bShown);
        rowButtons[n]->setEnabled(bShown);
    }
}

void CBoardPrp::OnQuoteEdited(const QString& strText)
{
    // Input stops at 5 bytes, keeping what fits of a paste; a longer stored value may
    // still be shortened.
    std::size_t nCursor = 0;
    const std::string strFitted = FitQuoteEdit(m_strLastRefText.toStdString(), strText.toStdString(), &nCursor);
    if (strFitted != strText.toStdString()) {
        m_editRefStr->setText(QString::fromStdString(strFitted));
        m_editRefStr->setCursorPosition(static_cast<int>(QString::fromStdString(strFitted.substr(0, nCursor)).size()));
    }
    m_strLastRefText = m_editRefStr->text();
}

void CBoardPrp::StoreSettings()
{
    if (!IsCreated())
        return;
    CAppSettings::Edit edit(m_settings);
    edit.SetBoardFlag(m_nBoardFlag);
    // The sheet validated this page when it was left or when OK was pressed.
    UpdateData(true);
    edit.SetRefStr(m_strRefStr);
    edit.SetBoardFont(m_lfBoard);
    StoreColorButtons(m_nScale);
    for (const Scale scale : kScales)
        edit.SetBoardColors(m_Colors[Index(scale)], scale);
}
