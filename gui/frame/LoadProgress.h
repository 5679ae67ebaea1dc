#pragma once
#include <QWidget>

// The progress of loading a record file over status pane 0, 0..100 in steps of 4. It is
// drawn only: the load runs without the event loop, so assistive technology could ask about
// it only once it is gone, and a progress bar's value events would speak for a dead control.
class CLoadProgress : public QWidget
{
public:
    explicit CLoadProgress(QWidget* pParent);

    // One step further, shown at once; never beyond 100.
    void Step();
    int Value() const { return m_nValue; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_nValue = 0;
};
