#include "prop/PrpPage.h"

#include <QApplication>
#include <QFontDialog>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>

#include "app/FontConvert.h"
#include "app/LoadSubString.h"
#include "app/MessageBox.h"
#include "app/NamedColor.h"
#include "prop/ColorBtn.h"
#include "prop/PrpRules.h"

namespace {
constexpr unsigned kIdleTextID = 57345;
constexpr int kNoScreenDpi = 96;

CPrpPage::FontChooser& Chooser()
{
    static CPrpPage::FontChooser chooser;
    return chooser;
}

std::optional<QFont> ChooseWithDialog(QWidget* pOwner, const QFont& initial)
{
    bool bOk = false;
    const QFont font = QFontDialog::getFont(&bOk, initial, pOwner);
    if (!bOk)
        return std::nullopt;
    return font;
}
} // namespace

CDigitSpin::CDigitSpin(int nMin, int nMax, QWidget* pParent)
    : QAbstractSpinBox(pParent), m_nMin(nMin), m_nMax(nMax), m_nPos(nMin)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
}

void CDigitSpin::SetPos(int nPos)
{
    m_nPos = std::clamp(nPos, m_nMin, m_nMax);
}

void CDigitSpin::stepBy(int steps)
{
    // The arrows start from what the edit shows when that is a number, as the buddy's text is the position.
    const std::optional<int> shown = ParseDigits(lineEdit()->text().toStdString());
    const long long from = shown ? *shown : m_nPos;
    m_nPos = static_cast<int>(std::clamp<long long>(from + steps, m_nMin, m_nMax));
    lineEdit()->setText(QString::number(m_nPos));
}

QValidator::State CDigitSpin::validate(QString& input, int&) const
{
    for (QChar c : input)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return QValidator::Invalid;
    return QValidator::Acceptable;
}

QAbstractSpinBox::StepEnabled CDigitSpin::stepEnabled() const
{
    return StepUpEnabled | StepDownEnabled;
}

CPrpPage::CPrpPage(QWidget* pParent) : QWidget(pParent) {}

void CPrpPage::Create()
{
    if (m_bCreated)
        return;
    m_bCreated = true;
    OnInitDialog();
}

void CPrpPage::SetModified(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    emit modifiedChanged(bModified);
}

QString CPrpPage::CtrlName(int nID)
{
    return QStringLiteral("ctrl%1").arg(nID);
}

void CPrpPage::SetFontChooser(FontChooser chooser)
{
    Chooser() = std::move(chooser);
}

int CPrpPage::ScreenLogPixelsY()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInchY()) : kNoScreenDpi;
}

void CPrpPage::RegisterWidget(QWidget* pCtrl, int nID)
{
    // A control without a string of its own shows the idle prompt while the pointer is over it.
    const std::string strPrompt = nID ? LoadSubString(nID, 0) : std::string();
    pCtrl->setStatusTip(QString::fromStdString(strPrompt.empty() ? LoadSubString(kIdleTextID, 0) : strPrompt));
    if (!nID)
        return;
    pCtrl->setObjectName(CtrlName(nID));
    const std::string strTip = LoadSubString(nID, 1);
    if (!strTip.empty())
        pCtrl->setToolTip(QString::fromStdString(strTip));
}

void CPrpPage::WatchColorButton(CColorBtn* pButton)
{
    connect(pButton, &CColorBtn::colorChanged, this, [this](COLORREF crColor, CColorBtn* pSender) {
        SetModified(true);
        std::string strName;
        GetColorName(crColor, strName);
        pSender->setToolTip(QString::fromStdString(strName));
    });
}

bool CPrpPage::ExchangeInt(CDigitSpin* pSpin, int& nValue, int nMin, int nMax, bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        pSpin->Edit()->setText(QString::number(nValue));
        return true;
    }
    const std::optional<int> value = ParseDigits(pSpin->Edit()->text().toStdString());
    if (!value || *value < nMin || *value > nMax) {
        AfxMessageBox(IntRangeMessage(nMin, nMax), MB_OK | MB_ICONEXCLAMATION);
        pSpin->setFocus();
        pSpin->selectAll();
        return false;
    }
    nValue = *value;
    return true;
}

bool CPrpPage::ChooseFont(LOGFONT& lf)
{
    const QFont initial = QFontFromLogFont(lf);
    const auto chosen = Chooser() ? Chooser()(this, initial) : ChooseWithDialog(this, initial);
    if (!chosen)
        return false;
    const int nLogPixelsY = ScreenLogPixelsY();
    LOGFONT lfChosen = LimitFontPoints(LogFontFromQFont(*chosen, nLogPixelsY), nLogPixelsY);
    // The chooser offers no effects, so underline and strike-out stay as they were.
    lfChosen.lfUnderline = lf.lfUnderline;
    lfChosen.lfStrikeOut = lf.lfStrikeOut;
    if (!IsFontChoiceChanged(lf, lfChosen))
        return false;
    SetModified(true);
    lf = lfChosen;
    return true;
}
