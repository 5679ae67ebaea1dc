#include "gui/app/VersionDlg.h"

#include <QPainter>

#include "gui/base/DialogAboveBoards.h"
#include "gui/res/TitlePicture.h"

CVersionDlg::CVersionDlg() : m_imgTitle(TitlePicture())
{
    setWindowTitle(QStringLiteral("バージョン情報 Norv2"));
    setModal(true);
    KeepAboveBoards(*this);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(m_imgTitle.size());
    // The picture holds the only text of the box.
    setAccessibleDescription(TitlePictureText());
}

void CVersionDlg::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_imgTitle);
}
