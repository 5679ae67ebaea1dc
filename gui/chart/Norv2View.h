#pragma once
#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <optional>

#include "core/chart/BarCursor.h"
#include "core/chart/ChartSpan.h"
#include "core/frame/GageInfo.h"
#include "core/record/PeriodData.h"
#include "gui/chart/ChartPainter.h"

class CAppSetting;
class CAppSettings;
class CNorv2Doc;

// The chart of one category at one scale, newest period at the right. The chart is laid
// out as wide as all its bars and scrolls horizontally when wider than the window; only
// what shows, with a margin, is kept rendered, at the window's device pixel ratio, and
// painting copies from it.
class CNorv2View : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Neither the document nor the settings are owned; both must outlive the view. New
    // chart settings render it again.
    CNorv2View(CNorv2Doc* pDoc, const CAppSettings& settings, QWidget* parent = nullptr);
    ~CNorv2View() override;

    // After a file was opened: no category and no chart until one is chosen.
    void OnInitialUpdate();
    // The document changed: render again, scrolled to the newest bar.
    void OnUpdate();

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
    int GetBarCount() const { return m_Chart.nBars; }
    // The whole chart's size in chart pixels; empty when there is none.
    QSize GetChartSize() const { return m_Chart.Size(); }
    // What is kept rendered (null until painted) and the stretch of the chart it holds.
    const QImage& GetKeptImage() const { return m_Kept; }
    ChartSpan GetKeptSpan() const { return m_KeptSpan; }
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
    // The frame's title for this category (none: no chart) and scale.
    void titleChanged(std::optional<Category> nCategory, Scale nScale);
    // The figures of the bar under the mouse, for status pane 1.
    void barStatusChanged(const QString& strText);
    // The value scale of the chart just laid out (not valid when the chart was dropped).
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
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Lays out the chart for the current window size and hands its scale to the gauges; its
    // size, or an empty size when there is no chart.
    QSize Render();
    // Lays out, repaints, scrolls to the newest bar and asks for the title. 0, or -1 when
    // there is no chart (the window then keeps what it showed).
    int Rebuild();
    // Drops the chart: its layout, what was rendered of it, the bar dates and the bar count.
    void ReleaseOffscreen();
    // Lays the chart out again when the window's height changed or it grew wider than the
    // chart, or brings back a chart the window had been too low for; a narrower window keeps
    // the chart and scrolls.
    void FitChartToWindow();
    void UpdateScrollRange();
    // Renders what shows and its margin unless that is kept already at this pixel ratio;
    // false when nothing could be rendered.
    bool KeepVisiblePart(qreal dpr);
    // The figures of the period of bar i (an index into the bar dates); false when none.
    bool FillBar(int i, BOARDDATA& data) const;
    // A board of bar i's period, as double-clicking it opens.
    void OpenBoardOf(int i);
    // Shows the figures of the bar under the mouse, or none, for the chart just laid out.
    void ShowHoveredBarStatus();
    // Moves the keyboard's bar, scrolls it into view and shows its figures.
    void MoveCursor(BarKey key);

    CNorv2Doc* m_pDoc;
    const CAppSetting& m_setting;
    ChartLayout m_Chart; // kNotStarted before the first chart and after it was dropped
    QImage m_Kept;       // what is rendered of the chart: m_KeptSpan of it
    ChartSpan m_KeptSpan;
    std::optional<Category> m_nCategory; // none: no chart
    Scale m_nScale = Scale::Daily;
    bool m_bShowNewest = false; // keep the scroll position at the newest bar
    CBarCursor m_Cursor;
};
