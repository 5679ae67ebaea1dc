#pragma once
#include <QObject>
#include <QPointer>

class CLoadProgress;
class CNorv2Doc;
class QWidget;

// Shows the document's loads as a progress bar laid over a status pane, from the load's
// beginning to its end.
class CLoadProgressPane : public QObject
{
public:
    // pane must outlive this object; the bar is a child of its parent.
    CLoadProgressPane(const CNorv2Doc& doc, QWidget& pane);
    ~CLoadProgressPane() override;

    // Removes the bar, if one is shown.
    void End();

private:
    void Begin();
    void Step();

    QWidget& m_Pane;
    QPointer<CLoadProgress> m_pBar;
};
