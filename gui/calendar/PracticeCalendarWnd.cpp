#include "gui/calendar/PracticeCalendarWnd.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/calendar/CalendarText.h"
#include "core/calendar/Streaks.h"
#include "core/record/CivilDay.h"
#include "core/record/PeriodData.h"
#include "core/record/RecordPath.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "gui/base/AppSettings.h"
#include "gui/base/ColorConvert.h"
#include "gui/base/OnScreen.h"
#include "gui/calendar/CalendarGrid.h"
#include "gui/record/Norv2Doc.h"
#include "gui/record/RecordSession.h"
#include "store/FileName.h"

namespace {
QString Piece(unsigned nID, int n)
{
    return QString::fromStdString(LoadSubString(nID, n));
}

int YearOf(int nDays)
{
    int y = 0, m = 0, d = 0;
    CivilFromDays(nDays, y, m, d);
    return y;
}

// The five shades of a category's chart colours: no runs a trace of the axis colour on
// the background, then four steps towards the bar colour.
std::array<QColor, 5> Shades(const CHARTCOLOR& colors)
{
    const QColor back = ToQColor(colors.crBack), axis = ToQColor(colors.crAxis), bar = ToQColor(colors.crBar);
    const auto mix = [&back](const QColor& c, double t) {
        return QColor::fromRgbF(float(back.redF() + (c.redF() - back.redF()) * t),
                                float(back.greenF() + (c.greenF() - back.greenF()) * t),
                                float(back.blueF() + (c.blueF() - back.blueF()) * t));
    };
    return {mix(axis, 0.12), mix(bar, 0.3), mix(bar, 0.53), mix(bar, 0.77), bar};
}
} // namespace

CPracticeCalendarWnd::CPracticeCalendarWnd(const CRecordSession& session, CAppSettings& settings,
                                           std::function<int()> today, QWidget* parent)
    : QWidget(parent, Qt::Window), m_Doc(session.GetDocument()), m_settings(settings), m_Today(std::move(today))
{
    m_pCategory = new QComboBox(this);
    for (int i = 0; i < 5; ++i)
        m_pCategory->addItem(Piece(IDS_CALENDAR_CATEGORIES, i));
    m_pPrevious = new QToolButton(this);
    m_pPrevious->setArrowType(Qt::LeftArrow);
    m_pNext = new QToolButton(this);
    m_pNext->setArrowType(Qt::RightArrow);
    m_pShown = new QLabel(this);
    m_pGrid = new CCalendarGrid(this);
    m_pGrid->setAccessibleName(Piece(IDS_CALENDAR_COMMAND, 1));
    m_pGrid->SetDayText([this](int nDays) { return DayText(nDays); });
    m_pFigures = new QLabel(this);
    m_pFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pStatus = new QLabel(this);
    m_pStatus->setFrameShape(QFrame::Panel);
    m_pStatus->setFrameShadow(QFrame::Sunken);
    // A long day must not widen the window as the cursor walks.
    m_pStatus->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pCategory);
    top->addStretch(1);
    top->addWidget(m_pPrevious);
    top->addWidget(m_pShown);
    top->addWidget(m_pNext);
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_pGrid);
    middle->addSpacing(fontMetrics().averageCharWidth() * 2);
    middle->addWidget(m_pFigures, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle);
    layout->addWidget(m_pStatus);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(m_pCategory, m_pPrevious);
    setTabOrder(m_pPrevious, m_pNext);
    setTabOrder(m_pNext, m_pGrid);

    connect(m_pCategory, &QComboBox::currentIndexChanged, this, [this](int i) {
        m_Category = i == 0 ? CalendarCategory{} : CategoryAt(i - 1);
        CAppSettings::Edit(m_settings).SetCalendarCategory(i);
        ShowDays();
    });
    connect(m_pPrevious, &QToolButton::clicked, this, [this] { StepYear(-1); });
    connect(m_pNext, &QToolButton::clicked, this, [this] { StepYear(1); });
    connect(m_pGrid, &CCalendarGrid::yearStepRequested, this, &CPracticeCalendarWnd::StepYear);
    connect(m_pGrid, &CCalendarGrid::dayActivated, this, &CPracticeCalendarWnd::OpenBoard);
    connect(m_pGrid, &CCalendarGrid::cursorMoved, this, [this](int nDays) { ShowStatus(nDays); });
    connect(m_pGrid, &CCalendarGrid::dayPointed, this,
            [this](std::optional<int> nDays) { ShowStatus(nDays ? nDays : std::optional<int>(m_pGrid->Cursor())); });
    connect(&session, &CRecordSession::opened, this, &CPracticeCalendarWnd::Rebuild);
    connect(&session, &CRecordSession::reloaded, this, &CPracticeCalendarWnd::Rebuild);
    connect(&session, &CRecordSession::appended, this, &CPracticeCalendarWnd::Update);
    // A broken file is no longer open.
    connect(&session, &CRecordSession::rejected, this, &QWidget::close);
    connect(&m_settings, &CAppSettings::chartSettingsStored, this, [this] { ShowDays(); });
    m_pCategory->setCurrentIndex(m_settings.Get().m_nCalendarCategory);
    m_Category = CategoryAt(m_pCategory->currentIndex() - 1);
    Rebuild();
    // The keys walk the days from the start.
    m_pGrid->setFocus();
}

CPracticeCalendarWnd::~CPracticeCalendarWnd()
{
    StorePlacement();
}

void CPracticeCalendarWnd::showEvent(QShowEvent* event)
{
    if (!m_bPlaced) {
        m_bPlaced = true;
        if (const std::optional<CPoint> pt = m_settings.Get().m_ptCalendar)
            move(OnScreenPosition(*this, {pt->x, pt->y}, sizeHint().grownBy(ExpectedFrameMargins(*this))));
    }
    QWidget::showEvent(event);
}

void CPracticeCalendarWnd::closeEvent(QCloseEvent* event)
{
    StorePlacement();
    QWidget::closeEvent(event);
}

void CPracticeCalendarWnd::StorePlacement()
{
    // pos() is where the frame's top-left is.
    if (m_bPlaced)
        CAppSettings::Edit(m_settings).SetCalendarPoint({pos().x(), pos().y()});
}

QString CPracticeCalendarWnd::DayText(int nDays) const
{
    std::array<const CDayRecord*, 4> days{};
    if (nDays <= m_Today())
        for (const Category k : kCategories)
            days[Index(k)] = m_Doc.GetBook().GetDay(k, nDays);
    return QString::fromStdString(CalendarDayText(days, nDays));
}

void CPracticeCalendarWnd::Rebuild()
{
    setWindowTitle(QString::fromStdString(
        CalendarTitle(UserNameForDisplay(UserNameOfPath(FileNameFromQString(m_Doc.GetPathName()))))));
    m_nYear.reset();
    ShowDays(m_Today());
    ShowStatus(m_pGrid->Cursor());
}

void CPracticeCalendarWnd::Update()
{
    ShowDays();
    ShowStatus(m_pGrid->Cursor());
}

int CPracticeCalendarWnd::ThisYear() const
{
    return YearOf(m_Today());
}

int CPracticeCalendarWnd::FirstYear() const
{
    const std::vector<PracticeDay>& days = m_Doc.GetPracticeDays().Days();
    return days.empty() ? ThisYear() : std::min(ThisYear(), YearOf(days.front().nDays));
}

void CPracticeCalendarWnd::StepYear(int nStep)
{
    // The years run from the first record's to this one, and the last 53 weeks after them.
    const int nAfterLast = ThisYear() + 1;
    const int nNow = m_nYear.value_or(nAfterLast);
    const int nNext = std::clamp(nNow + nStep, FirstYear(), nAfterLast);
    if (nNext == nNow)
        return;
    ShowYear(nNext == nAfterLast ? std::nullopt : std::optional<int>(nNext));
}

void CPracticeCalendarWnd::ShowYear(std::optional<int> nYear)
{
    // The cursor keeps its place in the year: the same day of another year, or today.
    int y = 0, m = 0, d = 0;
    CivilFromDays(m_pGrid->Cursor(), y, m, d);
    m_nYear = nYear;
    ShowDays(nYear ? DaysFromCivil(*nYear, m, std::min(d, m == 2 ? 28 : d)) : m_Today());
}

void CPracticeCalendarWnd::ShowDays(std::optional<int> nCursor)
{
    const int nToday = m_Today();
    const CalendarRange range = m_nYear ? YearRange(*m_nYear) : LastWeeksRange(nToday);
    CalendarGridContent content;
    content.range = range;
    content.nToday = nToday;
    content.nRuns.assign(static_cast<std::size_t>(range.nLast - range.nFirst + 1), 0);
    const CPracticeDays& days = m_Doc.GetPracticeDays();
    for (const PracticeDay& day : days.Range(range.nFirst, std::min(range.nLast, nToday))) {
        const int nRuns = day.RunsOf(m_Category);
        content.nRuns[static_cast<std::size_t>(day.nDays - range.nFirst)] = nRuns;
        content.nMostRuns = std::max(content.nMostRuns, nRuns);
    }
    const CHARTCOLOR& colors = m_settings.Get().m_ChartColor[Index(m_Category.value_or(Category::Alph))];
    content.shades = Shades(colors);
    content.back = ToQColor(colors.crBack);
    content.text = ToQColor(colors.crAxis);
    m_pGrid->SetContent(std::move(content), nCursor);

    const StreakFigures& figures = m_Streaks.Get(days, m_Category, nToday);
    const PracticeTotals shown = CountPractice(days, m_Category, range.nFirst, range.nLast, nToday);
    QStringList lines;
    for (const std::string& line : CalendarFigureLines(figures, shown, m_nYear))
        lines << QString::fromStdString(line);
    m_pFigures->setText(lines.join(QLatin1Char('\n')));
    m_pShown->setText(m_nYear ? Piece(IDS_CALENDAR_SHOWN, 0).replace(QLatin1String("%d"), QString::number(*m_nYear))
                              : Piece(IDS_CALENDAR_SHOWN, 1));
    m_pPrevious->setEnabled(m_nYear.value_or(ThisYear() + 1) > FirstYear());
    m_pNext->setEnabled(m_nYear.has_value());
}

void CPracticeCalendarWnd::ShowStatus(std::optional<int> nDays)
{
    m_pStatus->setText(nDays ? DayText(*nDays) : QString());
}

void CPracticeCalendarWnd::OpenBoard(int nDays)
{
    BOARDDATA data;
    data.nScale = Scale::Daily;
    data.Date = LocalMidnight(nDays);
    if (m_Doc.FillBoard(&data))
        emit boardRequested(data);
}
