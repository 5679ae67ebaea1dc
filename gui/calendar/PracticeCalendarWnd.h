#pragma once
#include <QWidget>
#include <functional>
#include <optional>

#include "core/calendar/PracticeDays.h"
#include "core/calendar/Streaks.h"

class QComboBox;
class QLabel;
class QToolButton;
class CAppSettings;
class CCalendarGrid;
class CNorv2Doc;
class CRecordSession;
struct BOARDDATA;

// The practice calendar of the open record file: a year of days shaded by runs, the
// streaks and totals beside it, and what the day under the pointer or the cursor holds.
// It follows the document: appended runs show at once, a new or re-read file rebuilds it.
class CPracticeCalendarWnd : public QWidget
{
    Q_OBJECT

public:
    // today gives the local day number of today; tests pass their own.
    CPracticeCalendarWnd(const CRecordSession& session, CAppSettings& settings, std::function<int()> today,
                         QWidget* parent = nullptr);
    // Remembers where the window was.
    ~CPracticeCalendarWnd() override;

    // The year shown, or none for the last 53 weeks.
    std::optional<int> ShownYear() const { return m_nYear; }
    CalendarCategory ShownCategory() const { return m_Category; }
    CCalendarGrid* Grid() const { return m_pGrid; }
    // What a day holds, as the status line and assistive technology give it.
    QString DayText(int nDays) const;

signals:
    // The daily board of a day, for the main window to open.
    void boardRequested(const BOARDDATA& data);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StorePlacement();
    // The file changed as a whole: the days again, the cursor on today.
    void Rebuild();
    // Runs were appended: the days again, the shown year and the cursor kept.
    void Update();
    void ShowYear(std::optional<int> nYear);
    void StepYear(int nStep);
    // The shown range's days, streaks and totals, with the cursor on nCursor or kept.
    void ShowDays(std::optional<int> nCursor = std::nullopt);
    void ShowStatus(std::optional<int> nDays);
    void OpenBoard(int nDays);
    int FirstYear() const;
    int ThisYear() const;

    const CNorv2Doc& m_Doc;
    CAppSettings& m_settings;
    std::function<int()> m_Today;
    std::optional<int> m_nYear;
    CalendarCategory m_Category;
    CStreakCache m_Streaks;
    QComboBox* m_pCategory = nullptr;
    QToolButton* m_pPrevious = nullptr;
    QToolButton* m_pNext = nullptr;
    QLabel* m_pShown = nullptr;
    CCalendarGrid* m_pGrid = nullptr;
    QLabel* m_pFigures = nullptr;
    QLabel* m_pStatus = nullptr;
    bool m_bPlaced = false; // shown where it was last, or where the window manager chose
};
