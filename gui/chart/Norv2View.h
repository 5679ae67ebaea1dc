#pragma once
#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <optional>
#include <vector>

#include "core/base/Time.h"
#include "core/chart/BarCursor.h"
#include "core/frame/GageInfo.h"
#include "core/record/PeriodData.h"

class CAppSetting;
class CNorv2Doc;

// The chart of one category at one scale, newest period at the right. The chart is
// rendered once into an image as wide as all its bars; painting copies the visible part,
// and a chart wider than the window scrolls horizontally.
class CNorv2View : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Neither the document nor the settings are owned; both must outlive the view.
    CNorv2View(CNorv2Doc* pDoc, const CAppSetting& setting, QWidget* parent = nullptr);
    ~CNorv2View() override;

    // After a file was opened: no category and no chart until one is chosen.
    void OnInitialUpdate();
    // The document changed: render again, scrolled to the newest bar.
    void OnUpdate();

    // Renders the chart for the current window size; its size, or an empty size when
    // there is no chart.
    QSize Render();
    // Renders, repaints, scrolls to the newest bar and asks for the title. 0, or -1 when
    // there is no chart (the window then keeps what it showed).
    int Rebuild();
    // Drops the chart: the image, the bar dates and the bar count.
    void ReleaseOffscreen();

    // Only sets the category (none: no chart), telling nobody; the caller switches the frame's layout.
    void SetCategory(std::optional<Category> n) { m_nCategory = n; }
    // After a broken file: no chart, no category, daily scale.
    void ResetChart();

    // Category k chosen: a new one shows its chart, the shown one again hides it.
    void OnCategory(Category k);
    bool IsCategoryEnabled(Category k) const;
    bool IsCategoryChecked(Category k) const { return k == m_nCategory; }
    // Scale k chosen; the shown scale again does nothing.
    void OnScale(Scale k);
    bool IsScaleChecked(Scale k) const { return k == m_nScale; }

    std::optional<Category> GetCategory() const { return m_nCategory; }
    Scale GetScale() const { return m_nScale; }
    int GetBarCount() const { return m_nBars; }
    const std::vector<CTime>& GetBarDates() const { return m_BarDates; }
    const QImage& GetChartImage() const { return m_Image; }
    // The bar under a point of the viewport, or -1.
    int BarAt(QPoint pt) const;
    // The bar the keyboard stands on (the newest after each rebuild), or -1 without a chart.
    int GetCursorBar() const { return m_Cursor.GetBar(); }
    // The focus rectangle of bar i in viewport pixels; empty for no bar.
    QRect GetBarRect(int i) const;
    // The status text of bar i, as pointing at it shows it; empty for no bar.
    QString GetBarStatusText(int i) const;

signals:
    // A category was chosen: the frame shows its chart layout before the chart is drawn.
    void chartLayoutRequested();
    // The shown category was chosen again: the frame goes back to its compact strip.
    void compactLayoutRequested();
    void categoryChanged(std::optional<Category> nCategory); // none: no chart
    void scaleChanged(Scale nScale);
    // The frame's title for this category (-1: none) and scale.
    void titleChanged(std::optional<Category> nCategory, Scale nScale);
    // The figures of the bar under the mouse, for status pane 1.
    void barStatusChanged(const QString& strText);
    // The value scale of the chart just drawn (not valid when the chart was dropped).
    void gageInfoChanged(const GAGEINFO& info);
    // A bar was double-clicked: a board of its period, filled from the document.
    void boardRequested(const BOARDDATA& data);
    // The frame shows the context menu at this screen position.
    void contextMenuRequested(QPoint globalPos);
    // The keyboard's bar moved, or a rebuild put it on the newest bar.
    void barCursorChanged(int nBar);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateScrollRange();
    // The figures of the period of bar i (an index into the bar dates); false when none.
    bool FillBar(int i, BOARDDATA& data) const;
    // A board of bar i's period, as double-clicking it opens.
    void OpenBoardOf(int i);
    // Moves the keyboard's bar, scrolls it into view and shows its figures.
    void MoveCursor(BarKey key);

    CNorv2Doc* m_pDoc;
    const CAppSetting& m_setting;
    QImage m_Image;                      // the whole chart; null before the first chart and after it was dropped
    std::optional<Category> m_nCategory; // none: no chart
    Scale m_nScale = Scale::Daily;
    std::vector<CTime> m_BarDates; // period key of each bar, leftmost first
    int m_nBars = 0;
    int m_nBarWidth = 0; // bar width of the last chart, for hit tests until the next one
    int m_nSpaceUsed = 0;
    bool m_bShowNewest = false; // keep the scroll position at the newest bar
    CBarCursor m_Cursor;
};
