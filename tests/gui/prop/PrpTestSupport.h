#pragma once
#include <QAbstractButton>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "core/settings/AppSetting.h"
#include "gui/base/AppSettings.h"
#include "gui/base/MessageBox.h"
#include "gui/prop/ColorBtn.h"
#include "gui/prop/PrpPage.h"

// Settings with distinct colours for every category and scale, a 12-pixel IPAGothic for
// both fonts, every message box recorded and the choosers answering from the test.
class PrpTest
{
protected:
    PrpTest()
    {
        for (int i = 0; i < 4; ++i) {
            const auto n = static_cast<unsigned>(i);
            m_setting.m_ChartColor[n] = {RGB(10, 0, n), RGB(255, 255, 255), RGB(20, 0, n), RGB(30, 0, n)};
        }
        for (int i = 0; i < 3; ++i) {
            const auto n = static_cast<unsigned>(i);
            m_setting.m_BoardColor[n] = {RGB(40, 0, n), RGB(41, 0, n), RGB(42, 0, n), RGB(43, 0, n),
                                         RGB(44, 0, n), RGB(45, 0, n), RGB(46, 0, n)};
        }
        for (auto* pFont : {&m_setting.m_pChartFont, &m_setting.m_pBoardFont}) {
            *pFont = std::make_unique<LOGFONT>();
            (*pFont)->lfHeight = -12;
            (*pFont)->lfWeight = 400;
            (*pFont)->SetFaceNameBytes("IPAGothic");
        }
        SetMessageBoxRecorder([this](const MessageBoxCall& call) {
            m_messages.push_back(call.strText);
            return IDOK;
        });
        CColorBtn::SetColorChooser([this](QWidget*, COLORREF) { return m_nextColor; });
        CPrpPage::SetFontChooser([this](QWidget*, const QFont& initial) {
            m_offeredFont = initial;
            return m_nextFont;
        });
    }
    ~PrpTest()
    {
        CPrpPage::SetFontChooser({});
        CColorBtn::SetColorChooser({});
        SetMessageBoxRecorder({});
    }

    template <typename T = QWidget> static T* Ctrl(const CPrpPage& page, int nID)
    {
        T* pCtrl = page.GetDlgItem<T>(nID);
        EXPECT_NE(pCtrl, nullptr) << "control " << nID;
        return pCtrl;
    }
    static void Click(const CPrpPage& page, int nID) { Ctrl<QAbstractButton>(page, nID)->click(); }
    static CColorBtn* ColorBtn(const CPrpPage& page, int nID) { return Ctrl<CColorBtn>(page, nID); }
    // Types into a numeric or text edit as the user would, replacing what it shows.
    static void Type(const CPrpPage& page, int nID, const QString& strText);
    static QString EditText(const CPrpPage& page, int nID);
    // Whether the edit shows its whole text at its laid-out width.
    static bool ShowsWhole(const CPrpPage& page, int nID);

    CAppSettings m_settings;
    CAppSetting& m_setting = m_settings.Get();
    std::vector<std::string> m_messages;
    std::optional<COLORREF> m_nextColor;
    std::optional<QFont> m_nextFont;
    QFont m_offeredFont;
};
