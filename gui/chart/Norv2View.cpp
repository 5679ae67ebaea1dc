#include "gui/chart/Norv2View.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "core/chart/ChartGeometry.h"
#include "core/chart/ChartStatusText.h"
#include "core/frame/GageInfo.h"
#include "core/record/PeriodData.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/ColorConvert.h"
#include "gui/base/RectConvert.h"
#include "gui/chart/ChartAccessible.h"
#include "gui/chart/ChartPainter.h"
#include "gui/record/Norv2Doc.h"

namespace {
std::optional<BarKey> BarKeyOf(int nKey)
{
    switch (nKey) {
    case Qt::Key_Left: return BarKey::Previous;
    case Qt::Key_Right: return BarKey::Next;
    case Qt::Key_Home: return BarKey::Oldest;
    case Qt::Key_End: return BarKey::Newest;
    case Qt::Key_PageUp: return BarKey::PagePrevious;
    case Qt::Key_PageDown: return BarKey::PageNext;
    default: return std::nullopt;
    }
}
} // namespace

CNorv2View::CNorv2View(CNorv2Doc* pDoc, const CAppSettings& settings, QWidget* parent)
    : QAbstractScrollArea(parent), m_pDoc(pDoc), m_setting(settings.Get())
{
    // The chart always has the window's height.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The status text follows the mouse without a button held.
    viewport()->setMouseTracking(true);
    // A click or Tab gives the chart the keys that walk its bars.
    setFocusPolicy(Qt::StrongFocus);
    InstallChartAccessible(*this);
    // Once the user scrolls, the chart stays where it was put until the next rebuild.
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, [this] { m_bShowNewest = false; });
    if (m_pDoc)
        connect(m_pDoc, &CNorv2Doc::updateAllViews, this, &CNorv2View::OnUpdate);
    connect(&settings, &CAppSettings::chartSettingsStored, this, &CNorv2View::OnUpdate);
}

CNorv2View::~CNorv2View() = default;

void CNorv2View::OnInitialUpdate()
{
    // A chart of the file shown before must not stay on screen, nor its bars be clickable.
    m_nCategory.reset();
    ReleaseOffscreen();
    viewport()->update();
}

void CNorv2View::OnUpdate()
{
    Rebuild();
}

QSize CNorv2View::Render()
{
    if (!m_pDoc || ChartBarCount(m_pDoc->GetBook(), m_setting, m_nCategory, m_nScale) == 0)
        return {};
    const int nCursorBefore = m_Cursor.GetBar();
    // From here on the old chart is void, even if no new one comes of it. Its memory is
    // drawn over by the new chart where that is as large.
    QImage kept = std::move(m_Kept);
    ReleaseOffscreen();
    ChartLayout chart = LayOutChart(m_pDoc->GetBook(), m_setting, *m_nCategory, m_nScale, viewport()->size());
    if (chart.eResult != ChartLayout::kDone)
        return {};
    m_Chart = std::move(chart);
    m_Kept = std::move(kept);
    m_Cursor.SetChart(m_Chart.picture.geometry, m_Chart.nBars);
    emit gageInfoChanged(m_Chart.gageInfo);
    // A chart dropped while the window was too low comes back with its cursor, which
    // assistive technology may have been told of as none meanwhile.
    if (m_Cursor.GetBar() != nCursorBefore)
        emit barCursorChanged(m_Cursor.GetBar());
    return m_Chart.Size();
}

void CNorv2View::ReleaseOffscreen()
{
    m_Chart = ChartLayout();
    m_Kept = QImage();
    m_KeptSpan = {};
    m_Cursor.SetChart({}, 0);
    // Without a chart the gauges have no scale to repeat, and there is nothing to scroll.
    GAGEINFO none;
    none.nCategory = m_nCategory;
    emit gageInfoChanged(none);
    UpdateScrollRange();
}

int CNorv2View::Rebuild()
{
    const QSize size = Render();
    if (size.isEmpty()) {
        ShowHoveredBarStatus();
        return -1;
    }
    // The frame may still lay out the gauges around the view, or the window manager size the
    // window: the newest bar is kept in view through each of those until the user scrolls.
    m_bShowNewest = true;
    UpdateScrollRange();
    viewport()->update();
    m_Cursor.ToNewest();
    emit barCursorChanged(m_Cursor.GetBar());
    emit titleChanged(m_nCategory, m_nScale);
    ShowHoveredBarStatus();
    return 0;
}

void CNorv2View::ShowHoveredBarStatus()
{
    // The figures shown so far may be of another category, scale or period.
    const QPoint pt = viewport()->mapFromGlobal(QCursor::pos());
    emit barStatusChanged(isVisible() && viewport()->rect().contains(pt) ? GetBarStatusText(BarAt(pt)) : QString());
}

void CNorv2View::ResetChart()
{
    m_nCategory.reset();
    m_nScale = Scale::Daily;
    ReleaseOffscreen();
    viewport()->update();
    emit categoryChanged(m_nCategory);
    emit scaleChanged(m_nScale);
}

void CNorv2View::OnCategory(Category k)
{
    if (k == m_nCategory) {
        m_nCategory.reset();
        ReleaseOffscreen();
        viewport()->update();
        emit categoryChanged(m_nCategory);
        emit compactLayoutRequested();
        emit titleChanged(std::nullopt, m_nScale);
        return;
    }
    // The frame sizes the window first, so that the chart is laid out once, for the size it gets.
    emit chartLayoutRequested();
    m_nCategory = k;
    emit categoryChanged(m_nCategory);
    Rebuild();
}

bool CNorv2View::IsCategoryEnabled(Category k) const
{
    return m_pDoc && !m_pDoc->IsCategoryEmpty(k);
}

void CNorv2View::OnScale(Scale k)
{
    if (k == m_nScale)
        return;
    m_nScale = k;
    emit scaleChanged(k);
    Rebuild();
}

int CNorv2View::BarAt(QPoint pt) const
{
    const ChartGeometry& g = m_Chart.picture.geometry;
    const int i = HitTest(pt.x(), horizontalScrollBar()->value(), g.nBarWidth, g.nSpace, m_Chart.nBars);
    return i >= 0 && i < static_cast<int>(m_Chart.barDates.size()) ? i : -1;
}

void CNorv2View::UpdateScrollRange()
{
    const int cx = viewport()->width();
    QScrollBar* pBar = horizontalScrollBar();
    pBar->setRange(0, std::max(0, GetChartSize().width() - cx));
    pBar->setPageStep(std::max(1, cx));
    pBar->setSingleStep(std::max(1, m_Chart.picture.geometry.nBarWidth + m_Chart.picture.geometry.nSpace));
    if (m_bShowNewest)
        pBar->setValue(pBar->maximum());
}

void CNorv2View::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    FitChartToWindow();
    UpdateScrollRange();
}

void CNorv2View::FitChartToWindow()
{
    const QSize client = UsableChartClientSize(viewport()->size());
    const QSize chart = GetChartSize();
    if (m_Chart.eResult != ChartLayout::kDone || chart.height() != client.height() || chart.width() < client.width())
        Render();
}

bool CNorv2View::KeepVisiblePart(qreal dpr)
{
    const int cx = GetChartSize().width();
    const int sx = horizontalScrollBar()->value();
    const int cxView = viewport()->width();
    const ChartSpan shown = VisibleSpan(cx, sx, cxView);
    if (m_KeptSpan.width > 0 && m_Kept.devicePixelRatio() == dpr && m_KeptSpan.Contains(shown.left, shown.Right()))
        return true;
    m_KeptSpan = KeptSpan(cx, sx, cxView);
    if (RenderChartSpan(m_Chart.picture, m_Chart.style, m_KeptSpan, dpr, m_Kept))
        return true;
    m_KeptSpan = {};
    return false;
}

void CNorv2View::paintEvent(QPaintEvent* event)
{
    if (m_Chart.eResult != ChartLayout::kDone)
        return;
    const qreal dpr = viewport()->devicePixelRatioF();
    if (!KeepVisiblePart(dpr))
        return;
    QPainter painter(viewport());
    const QRectF target = event->rect();
    const QRectF source = target.translated(horizontalScrollBar()->value() - m_KeptSpan.left, 0);
    painter.drawImage(target, m_Kept, QRectF(source.topLeft() * dpr, source.size() * dpr));
    if (hasFocus() && m_nCategory) {
        painter.setPen(ToQColor(m_setting.GetChartColor(m_nCategory, CLR_AXIS)));
        painter.drawRect(GetBarRect(m_Cursor.GetBar()).adjusted(0, 0, -1, -1));
    }
}

QRect CNorv2View::GetBarRect(int i) const
{
    return ToQRect(m_Cursor.BarRect(i, horizontalScrollBar()->value()));
}

QString CNorv2View::GetBarStatusText(int i) const
{
    BOARDDATA data;
    if (!m_pDoc || !m_nCategory || i < 0 || i >= static_cast<int>(m_Chart.barDates.size()) || !FillBar(i, data))
        return {};
    return QString::fromStdString(ChartStatusText(data, *m_nCategory));
}

bool CNorv2View::FillBar(int i, BOARDDATA& data) const
{
    data.Date = m_Chart.barDates[static_cast<std::size_t>(i)];
    data.nScale = m_nScale;
    return m_pDoc->FillBoard(&data);
}

void CNorv2View::mouseMoveEvent(QMouseEvent* event)
{
    // Only the chart layout shows the view; the strip hides it.
    if (isVisible()) {
        const QString strText = GetBarStatusText(BarAt(event->position().toPoint()));
        if (!strText.isEmpty())
            emit barStatusChanged(strText);
    }
    QAbstractScrollArea::mouseMoveEvent(event);
}

void CNorv2View::wheelEvent(QWheelEvent* event)
{
    // The chart only scrolls sideways, so the usual vertical wheel scrolls it too.
    QCoreApplication::sendEvent(horizontalScrollBar(), event);
}

void CNorv2View::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_Chart.nBars > 0 && m_pDoc)
        OpenBoardOf(BarAt(event->position().toPoint()));
    QAbstractScrollArea::mouseDoubleClickEvent(event);
}

void CNorv2View::OpenBoardOf(int i)
{
    BOARDDATA data;
    if (i >= 0 && FillBar(i, data))
        emit boardRequested(data);
}

void CNorv2View::MoveCursor(BarKey key)
{
    if (!m_Cursor.Move(key, viewport()->width()))
        return;
    QScrollBar* pBar = horizontalScrollBar();
    const int sx = m_Cursor.ScrollToShow(pBar->value(), viewport()->width());
    if (sx != pBar->value()) {
        // As a scroll by the user: the chart stays where the cursor took it.
        m_bShowNewest = false;
        pBar->setValue(sx);
    }
    viewport()->update();
    const int nBar = m_Cursor.GetBar();
    const QString strText = GetBarStatusText(nBar);
    if (!strText.isEmpty())
        emit barStatusChanged(strText);
    emit barCursorChanged(nBar);
}

void CNorv2View::keyPressEvent(QKeyEvent* event)
{
    const int nBar = m_Cursor.GetBar();
    const int nKey = event->key();
    if (nBar < 0 || !isVisible()) {
        QAbstractScrollArea::keyPressEvent(event);
    } else if (nKey == Qt::Key_Menu || (nKey == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier)) {
        emit contextMenuRequested(viewport()->mapToGlobal(GetBarRect(nBar).center()));
    } else if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter || nKey == Qt::Key_Space) {
        OpenBoardOf(nBar);
    } else if (const std::optional<BarKey> key = BarKeyOf(nKey)) {
        MoveCursor(*key);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
    }
}

void CNorv2View::focusInEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusInEvent(event);
    // The bar cursor's frame shows where the keys go, so it comes and goes with the focus.
    viewport()->update();
}

void CNorv2View::focusOutEvent(QFocusEvent* event)
{
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

void CNorv2View::contextMenuEvent(QContextMenuEvent* event)
{
    emit contextMenuRequested(event->globalPos());
    event->accept();
}
