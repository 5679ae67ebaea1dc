#pragma once
#include <QDialog>
#include <QImage>

// The version box: the title picture alone, closed with Esc or the caption's close button.
class CVersionDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CVersionDlg(QWidget* pParent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_imgTitle;
};
