#include "gui/frame/LoadProgressPane.h"

#include "gui/frame/LoadProgress.h"
#include "gui/record/Norv2Doc.h"

CLoadProgressPane::CLoadProgressPane(const CNorv2Doc& doc, QWidget& pane) : m_Pane(pane)
{
    connect(&doc, &CNorv2Doc::loadBegun, this, &CLoadProgressPane::Begin);
    connect(&doc, &CNorv2Doc::loadStepped, this, &CLoadProgressPane::Step);
    connect(&doc, &CNorv2Doc::loadEnded, this, &CLoadProgressPane::End);
}

CLoadProgressPane::~CLoadProgressPane()
{
    End();
}

void CLoadProgressPane::Begin()
{
    End();
    m_pBar = new CLoadProgress(m_Pane.parentWidget());
    m_pBar->setGeometry(m_Pane.geometry());
    m_pBar->show();
    m_pBar->repaint();
}

void CLoadProgressPane::Step()
{
    if (m_pBar)
        m_pBar->Step();
}

void CLoadProgressPane::End()
{
    delete m_pBar;
}
