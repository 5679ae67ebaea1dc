#pragma once
#include <QDialog>
#include <QImage>

// The version box: the title picture alone, closed with Esc or the caption's close button.
class CVersionDlg : public QDialog
{
    Q_OBJECT

public:
    CVersionDlg();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_imgTitle;
};
