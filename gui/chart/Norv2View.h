#pragma once
#include <QAbstractScrollArea>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

#include "core/base/Time.h"

class CChartHost;
class CNorv2Doc;

// The chart of one category at one scale, newest period at the right. The chart is
// rendered once into an image as wide as all its bars; painting copies the visible part,
// and a chart wider than the window scrolls horizontally.
class CNorv2View : public QAbstractScrollArea
{
    Q_OBJECT

public:
    // Neither pointer is owned; both must outlive the view.
    CNorv2View(CNorv2Doc* pDoc, CChartHost* pHost, QWidget* parent = nullptr);
    ~CNorv2View() override;

    // After a file was opened: no category and no chart until one is chosen.
    void OnInitialUpdate();
    // The document changed: render again, scrolled to the newest bar.
    void OnUpdate();

    // Renders the chart for the current window size; its size, or an empty size when
    // there is no chart.
    QSize Render();
    // Renders, repaints, scrolls to the newest bar and retitles the frame. 0, or -1 when
    // there is no chart (the window then keeps what it showed).
    int Rebuild();
    // Drops the chart: the image, the bar dates and the bar count.
    void ReleaseOffscreen();

    // Only sets the category (-1: none); the caller switches the frame's layout.
    void SetCategory(int n) { m_nCategory = n; }
    // After a broken file: no chart, no category, daily scale.
    void ResetChart();

    // Category k (0..3) chosen: a new one shows its chart, the shown one again hides it.
    void OnCategory(int k);
    bool IsCategoryEnabled(int k) const;
    bool IsCategoryChecked(int k) const { return k == m_nCategory; }
    // Scale k (0 daily, 1 weekly, 2 monthly) chosen; the shown scale again does nothing.
    void OnScale(int k);
    bool IsScaleEnabled(int k) const;
    bool IsScaleChecked(int k) const { return k == m_nScale; }

    int GetCategory() const { return m_nCategory; }
    int GetScale() const { return m_nScale; }
    int GetBarCount() const { return m_nBars; }
    const std::vector<CTime>& GetBarDates() const { return m_BarDates; }
    const QImage& GetChartImage() const { return m_Image; }
    // The bar under a point of the viewport, or -1.
    int BarAt(QPoint pt) const;

signals:
    // The frame shows the context menu at this screen position.
    void contextMenuRequested(QPoint globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateScrollRange();

    CNorv2Doc* m_pDoc;
    CChartHost* m_pHost;
    QImage m_Image; // the whole chart; null before the first chart and after it was dropped
    int m_nCategory = -1;
    int m_nScale = 0;
    std::vector<CTime> m_BarDates; // period key of each bar, leftmost first
    int m_nBars = 0;
    int m_nBarWidth = 0; // bar width of the last chart, for hit tests until the next one
    int m_nSpaceUsed = 0;
    bool m_bShowNewest = false; // keep the scroll position at the newest bar
};
