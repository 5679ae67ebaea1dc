#include "gui/frame/LoadProgress.h"

#include <QStyleOptionProgressBar>
#include <QStylePainter>
#include <algorithm>

namespace {
constexpr int kStep = 4;
constexpr int kMax = 100;
} // namespace

CLoadProgress::CLoadProgress(QWidget* pParent) : QWidget(pParent) {}

void CLoadProgress::Step()
{
    m_nValue = std::min(kMax, m_nValue + kStep);
    repaint();
}

void CLoadProgress::paintEvent(QPaintEvent* /*event*/)
{
    QStyleOptionProgressBar option;
    option.initFrom(this);
    option.minimum = 0;
    option.maximum = kMax;
    option.progress = m_nValue;
    option.textVisible = false;
    QStylePainter painter(this);
    painter.drawControl(QStyle::CE_ProgressBar, option);
}
