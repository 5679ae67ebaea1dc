#pragma once
#include <QDialog>
#include <optional>

#include "core/record/Kinds.h"

class QPushButton;
class QTabWidget;
class CAppSettings;
class CBoardPrp;
class CChartPrp;
class CPrpPage;

// The property sheet: the chart page and the board page, with OK, Cancel, Apply and a
// Help button that is shown but never enabled.
class CNorvPrpSheet : public QDialog
{
    Q_OBJECT

public:
    // The pages edit copies of settings and store them back, which settings then announces.
    // nStartPage: 0 chart, 1 board; nCategory (none when no chart is shown) and nScale are the view's.
    CNorvPrpSheet(CAppSettings& settings, unsigned nIDCaption, QWidget* pParent, int nStartPage,
                  std::optional<Category> nCategory, Scale nScale);
    ~CNorvPrpSheet() override;

    CChartPrp& GetChartPage() const { return *m_pChartPage; }
    CBoardPrp& GetBoardPage() const { return *m_pBoardPage; }
    QTabWidget* GetTabs() const { return m_pTabs; }
    QPushButton* GetOkButton() const { return m_btnOk; }
    QPushButton* GetCancelButton() const { return m_btnCancel; }
    QPushButton* GetApplyButton() const { return m_btnApply; }
    QPushButton* GetHelpButton() const { return m_btnHelp; }

    // Validates the shown page, then every created page stores its values; false when refused.
    bool Apply();
    void accept() override;

signals:
    // What status pane 0 should show while the pointer moves over the pages.
    void statusTextChanged(const QString& strText);

protected:
    bool event(QEvent* event) override;

private:
    CPrpPage* Page(int nIndex) const;
    void OnTabChanged(int nIndex);
    void UpdateApplyButton();

    CChartPrp* m_pChartPage;
    CBoardPrp* m_pBoardPage;
    QTabWidget* m_pTabs;
    QPushButton* m_btnOk;
    QPushButton* m_btnCancel;
    QPushButton* m_btnApply;
    QPushButton* m_btnHelp;
    int m_nActive = 0;
};
