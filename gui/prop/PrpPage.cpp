#include "gui/prop/PrpPage.h"

#include <QAccessible>
#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStringDecoder>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

#include "core/prop/PrpRules.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "core/settings/NamedColor.h"
#include "gui/base/AccessibleNames.h"
#include "gui/base/FontConvert.h"
#include "gui/base/MessageBox.h"
#include "gui/prop/FontChooserDialog.h"

namespace {
constexpr int kNoScreenDpi = 96;
// Loading any real colour into a button built with this one counts as a change.
constexpr COLORREF kPlaceholderColor = 0x010101;

CPrpPage::FontChooser& Chooser()
{
    static CPrpPage::FontChooser chooser;
    return chooser;
}

std::optional<QFont> ChooseWithDialog(QWidget* /*pOwner*/, const QFont& initial)
{
    CFontChooserDialog dialog(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedFont();
}

// The colour is what the button holds, not what it is: a reader hears it as the description.
void NameColor(CColorBtn* pButton, COLORREF crColor)
{
    std::string strName;
    GetColorName(crColor, strName);
    pButton->setToolTip(QString::fromStdString(strName));
    pButton->setAccessibleDescription(QString::fromStdString(strName));
}

// The width a line edit needs to show strText whole.
int LineEditWidthFor(const QLineEdit& edit, const QString& strText)
{
    QStyleOptionFrame opt;
    opt.initFrom(&edit);
    opt.lineWidth = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &edit);
    const QMargins margins = edit.textMargins();
    // A line edit keeps two pixels of its own on either side of the text.
    const QSize text(edit.fontMetrics().horizontalAdvance(strText) + 4 + margins.left() + margins.right(),
                     edit.fontMetrics().height());
    return edit.style()->sizeFromContents(QStyle::CT_LineEdit, &opt, text, &edit).width();
}

// Tab enters a group of radio buttons at its checked button, as the arrows move within
// it: only that button is a tab stop.
void TabToCheckedButton(QButtonGroup& group)
{
    const auto follow = [&group] {
        for (QAbstractButton* pButton : group.buttons())
            pButton->setFocusPolicy(pButton->isChecked() || !group.checkedButton() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    QObject::connect(&group, &QButtonGroup::idToggled, &group, follow);
    follow();
}

QString DecodeFace(const LOGFONT& lf)
{
    const std::string bytes = lf.FaceNameBytes();
    QStringDecoder decoder("Shift_JIS");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}
} // namespace

CDigitSpin::CDigitSpin(IntRange range, QWidget* pParent)
    : QAbstractSpinBox(pParent), m_nMin(range.nMin), m_nMax(range.nMax), m_nPos(range.nMin)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    connect(lineEdit(), &QLineEdit::textChanged, this, [this] {
        QAccessibleValueChangeEvent event(this, Value());
        QAccessible::updateAccessibility(&event);
    });
}

void CDigitSpin::SetPos(int nPos)
{
    m_nPos = std::clamp(nPos, m_nMin, m_nMax);
}

int CDigitSpin::Value() const
{
    // The arrows start from what the edit shows when that is a number, as the buddy's text is the position.
    const std::optional<int> shown = ParseDigits(lineEdit()->text().toStdString());
    return shown ? *shown : m_nPos;
}

void CDigitSpin::stepBy(int steps)
{
    const long long from = Value();
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

CPrpPage::CPrpPage(CAppSettings& settings, QWidget* pParent) : QWidget(pParent), m_settings(settings) {}

void CPrpPage::Create()
{
    if (m_bCreated)
        return;
    m_bCreated = true;
    OnInitDialog();
    NameControls(*this);
    for (QButtonGroup* pGroup : findChildren<QButtonGroup*>())
        TabToCheckedButton(*pGroup);
}

void CPrpPage::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    // The page is no control of its own (the sheet focuses it on Ctrl+Tab, before the page is
    // created): its first control takes the keys once the page has its controls and shows them.
    QMetaObject::invokeMethod(
        this,
        [this, reason = event->reason()] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall); // the layouts' pending shows
            if (hasFocus())
                FocusFirstControl(reason);
        },
        Qt::QueuedConnection);
}

void CPrpPage::FocusFirstControl(Qt::FocusReason reason)
{
    for (QWidget* pNext = nextInFocusChain(); pNext != this; pNext = pNext->nextInFocusChain()) {
        if (isAncestorOf(pNext) && (pNext->focusPolicy() & Qt::TabFocus) && pNext->isEnabled() &&
            pNext->isVisibleTo(this)) {
            pNext->setFocus(reason);
            return;
        }
    }
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
    pCtrl->setStatusTip(QString::fromStdString(strPrompt.empty() ? LoadSubString(IDS_IDLE, 0) : strPrompt));
    if (!nID)
        return;
    pCtrl->setObjectName(CtrlName(nID));
    const std::string strTip = LoadSubString(nID, 1);
    if (!strTip.empty())
        pCtrl->setToolTip(QString::fromStdString(strTip));
}

CColorBtn* CPrpPage::CreateColorButton(int nID, const QString& strLabel, QWidget* pParent)
{
    auto* pButton = Register(new CColorBtn(kPlaceholderColor, pParent), nID);
    pButton->setAccessibleName(LabelName(strLabel));
    pButton->setMinimumSize(48, 24);
    // The string table's tooltip is a bare "%s"; a stored colour equal to the placeholder
    // sends no change, so the button is named from the start rather than showing that.
    NameColor(pButton, kPlaceholderColor);
    connect(pButton, &CColorBtn::colorChanged, this, [this](COLORREF crColor, CColorBtn* pSender) {
        SetModified(true);
        NameColor(pSender, crColor);
    });
    return pButton;
}

void CPrpPage::CheckSetButton(QButtonGroup* pGroup, int nID)
{
    if (QAbstractButton* pRadio = pGroup->button(nID))
        pRadio->setChecked(true);
}

bool CPrpPage::ExchangeInt(CDigitSpin* pSpin, int& nValue, IntRange range, bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        pSpin->Edit()->setText(QString::number(nValue));
        return true;
    }
    const std::optional<int> value = ParseDigits(pSpin->Edit()->text().toStdString());
    if (!value || !range.Contains(*value)) {
        AfxMessageBox(IntRangeMessage(range.nMin, range.nMax), MB_OK | MB_ICONEXCLAMATION);
        pSpin->setFocus();
        pSpin->selectAll();
        return false;
    }
    nValue = *value;
    return true;
}

QGroupBox* CPrpPage::CreateFontGroup(LOGFONT& lf, int nFaceID, int nSizeID, int nButtonID, const QString& strButton)
{
    m_pFont = &lf;
    auto* pGroup = Register(new QGroupBox(QStringLiteral("フォント"), this), 0);
    auto* pLayout = new QHBoxLayout(pGroup);
    m_editFaceName = Register(new QLineEdit(pGroup), nFaceID);
    m_editFontSize = Register(new QLineEdit(pGroup), nSizeID);
    m_editFaceName->setReadOnly(true);
    m_editFontSize->setReadOnly(true);
    // Wide enough for the longest size and style the pages keep.
    m_editFontSize->setMinimumWidth(LineEditWidthFor(*m_editFontSize, QStringLiteral("25 : 太字 : 斜体")));
    auto* pButton = Register(new QPushButton(strButton, pGroup), nButtonID);
    pLayout->addWidget(m_editFaceName, 2);
    pLayout->addWidget(m_editFontSize, 1);
    pLayout->addWidget(pButton);
    connect(pButton, &QPushButton::clicked, this, [this] {
        if (ChooseFont())
            ShowFontInfo();
    });
    ShowFontInfo();
    return pGroup;
}

void CPrpPage::ShowFontInfo()
{
    m_editFaceName->setText(DecodeFace(*m_pFont));
    m_editFontSize->setText(QString::fromStdString(FontInfoText(*m_pFont, ScreenLogPixelsY())));
}

bool CPrpPage::ChooseFont()
{
    LOGFONT& lf = *m_pFont;
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
