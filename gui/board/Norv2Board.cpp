#include "gui/board/Norv2Board.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include "core/board/BoardLayout.h"
#include "core/board/BoardText.h"
#include "core/record/PeriodData.h"
#include "core/res/LoadSubString.h"
#include "core/res/StringIds.h"
#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/ColorConvert.h"
#include "gui/base/FontConvert.h"
#include "gui/base/MessageBox.h"
#include "gui/base/RectConvert.h"
#include "gui/board/BoardAccessible.h"

namespace {

QFont BoardFont(const CAppSetting& setting)
{
    return setting.m_pBoardFont ? QFontFromLogFont(*setting.m_pBoardFont) : QFont();
}

CSize TextExtent(const QFontMetrics& metrics, const std::string& strText)
{
    return {metrics.horizontalAdvance(QString::fromStdString(strText)), metrics.height()};
}

// The eleven cells' sizes, measured in the board font.
std::array<CSize, 11> CellSizes(const QFontMetrics& metrics, bool bJapanese)
{
    const auto templates = BoardCellTemplates(bJapanese);
    std::array<CSize, 11> sizeCells;
    for (std::size_t i = 0; i < templates.size(); ++i)
        sizeCells[i] = TextExtent(metrics, templates[i]);
    return sizeCells;
}

Qt::Alignment ToAlignment(int nAlign)
{
    switch (nAlign) {
    case BOARD_ALIGN_CENTER: return Qt::AlignHCenter;
    case BOARD_ALIGN_RIGHT: return Qt::AlignRight;
    default: return Qt::AlignLeft;
    }
}

// A figure too wide for its cell is cut at the cell's edge rather than drawn over its
// neighbour.
void DrawBoardText(QPainter& painter, const BoardCellText& text)
{
    const QRect rc = ToQRect(text.rc);
    painter.save();
    painter.setClipRect(rc);
    painter.drawText(rc, ToAlignment(text.nAlign) | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(text.strText));
    painter.restore();
}
} // namespace

CNorv2Board::CNorv2Board(std::unique_ptr<BOARDDATA> pData, CAppSettings& settings)
    : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_settings(settings), m_setting(settings.Get()), m_pData(pData ? std::move(pData) : std::make_unique<BOARDDATA>())
{
    InstallBoardAccessible();
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent); // every paint fills the whole client area
    setWindowTitle(QString::fromStdString(BoardTitle(*m_pData, m_setting.m_strUserName)));

    m_pCopyAction = new QAction(QString::fromStdString(LoadSubString(IDS_BOARD_COPY, 0)), this);
    m_pCopyAction->setShortcut(QKeySequence::Copy);
    m_pCopyAction->setShortcutContext(Qt::WindowShortcut);
    connect(m_pCopyAction, &QAction::triggered, this, &CNorv2Board::OnCopyCommand);
    addAction(m_pCopyAction); // so that Ctrl+C reaches it without the menu
    m_pCloseAction = new QAction(QStringLiteral("閉じる"), this);
    connect(m_pCloseAction, &QAction::triggered, this, &QWidget::close);

    setFixedSize(GetClientSize());
}

CNorv2Board::~CNorv2Board()
{
    CAppSettings::Edit(m_settings).SetBoardPoint(GetSlot(), {pos().x(), pos().y()});
}

int CNorv2Board::GetSlot() const
{
    return m_pData->nSlot;
}

void CNorv2Board::ReplaceData(std::unique_ptr<BOARDDATA> pData)
{
    if (!pData)
        return;
    pData->nSlot = m_pData->nSlot;
    const QString strOld = GetTableText();
    m_pData = std::move(pData);
    update();
    AnnounceBoardText(*this, strOld);
}

QSize CNorv2Board::GetClientSize() const
{
    const CAppSetting& setting = m_setting;
    const QFontMetrics metrics(BoardFont(setting));
    const CSize size = BoardClientSize(TextExtent(metrics, BoardMeasuringTemplate(setting.IsBoardJapanese())),
                                       CellSizes(metrics, setting.IsBoardJapanese()), CountShownBoardRows(setting));
    return {size.cx, size.cy};
}

QSize CNorv2Board::GetBoardSize() const
{
    const QSize decoration = frameGeometry().size() - geometry().size();
    return GetClientSize() + decoration;
}

void CNorv2Board::Relayout()
{
    setFixedSize(GetClientSize());
    update();
}

QString CNorv2Board::GetTableText() const
{
    return QString::fromStdString(BoardTableText(*m_pData, windowTitle().toStdString(), m_setting));
}

bool CNorv2Board::CopyToClipboard()
{
    QClipboard* pClipboard = QGuiApplication::clipboard();
    if (!pClipboard)
        return false;
    const QString strText = QString::fromStdString(BoardCopyText(*m_pData, windowTitle().toStdString(), m_setting));
    pClipboard->setText(strText);
    return pClipboard->text() == strText;
}

void CNorv2Board::OnCopyCommand()
{
    AfxMessageBox(CopyToClipboard() ? IDP_BOARD_COPIED : IDP_BOARD_NOT_COPIED, MB_ICONINFORMATION);
}

void CNorv2Board::BuildContextMenu(QMenu& menu) const
{
    menu.addAction(m_pCopyAction);
    menu.addSeparator();
    menu.addAction(m_pCloseAction);
}

void CNorv2Board::paintEvent(QPaintEvent* /*event*/)
{
    const CAppSetting& setting = m_setting;
    const Scale nScale = m_pData->nScale;
    const QFont font = BoardFont(setting);
    const QFontMetrics metrics(font);
    const BoardLayout layout = LayoutBoard(*m_pData, setting, CellSizes(metrics, setting.IsBoardJapanese()));

    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(setting.GetBoardColor(nScale, CLR_BOARD_BACK)));
    painter.setFont(font);

    painter.setPen(ToQColor(setting.GetBoardColor(nScale, layout.nHeadingColorRole)));
    for (const BoardCellText& heading : layout.headings)
        DrawBoardText(painter, heading);

    painter.fillRect(ToQRect(layout.rcRule), ToQColor(setting.GetBoardColor(nScale, layout.nRuleColorRole)));

    for (const BoardRow& row : layout.rows) {
        painter.setPen(ToQColor(setting.GetBoardColor(nScale, row.nColorRole)));
        DrawBoardText(painter, row.label);
        for (const BoardCellText& figure : row.figures)
            DrawBoardText(painter, figure);
    }
}

void CNorv2Board::changeEvent(QEvent* event)
{
    // A board has no minimize button; one minimized anyway, by a window manager that offers
    // it regardless, comes straight back.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, &QWidget::showNormal);
    QWidget::changeEvent(event);
}

void CNorv2Board::closeEvent(QCloseEvent* event)
{
    emit closed(this);
    event->accept();
}

void CNorv2Board::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    BuildContextMenu(menu);
    menu.exec(event->globalPos());
}
