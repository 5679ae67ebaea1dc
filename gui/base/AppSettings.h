#pragma once
#include <QObject>
#include <string>

#include "core/settings/AppSetting.h"

// The viewer's one set of settings, owned by the application and lent by reference. Every
// change goes through an Edit, which says once, when it ends, that chart or board settings
// were stored; the windows showing them follow.
class CAppSettings : public QObject
{
    Q_OBJECT

public:
    class Edit;

    const CAppSetting& Get() const { return m_setting; }
    // For loading at start-up, and for tests that set values up before the windows exist.
    CAppSetting& Get() { return m_setting; }

signals:
    void chartSettingsStored();
    void boardSettingsStored();

private:
    CAppSetting m_setting;
};

// One change to the settings: its setters write the fields, and when it ends each part it
// touched is announced once.
class CAppSettings::Edit
{
public:
    explicit Edit(CAppSettings& settings) : m_settings(settings), m_setting(settings.m_setting) {}
    ~Edit();
    Edit(const Edit&) = delete;
    Edit& operator=(const Edit&) = delete;

    void SetBarWidth(int nBarWidth);
    void SetBarSpace(int nBarSpace);
    void SetBarCount(int nBarCount);
    void SetLineWidth(int nLineWidth);
    void SetChartColors(const CHARTCOLOR& colors, Category nCategory);
    void SetGageColor(bool bGageColor);
    void SetChartFont(const LOGFONT& lf);

    void SetBoardFlag(int nBoardFlag);
    void SetRefStr(const std::string& strRefStr);
    void SetBoardFont(const LOGFONT& lf);
    void SetBoardColors(const BOARDCOLOR& colors, Scale nScale);

    // Where windows were; nobody follows these while the program runs.
    void SetBoardPoint(int nSlot, CPoint pt);
    void SetWindowPos(const WINDOWPLACEMENT& placement);
    void SetZoomed(bool bZoomed);
    void SetFramePoint(CPoint pt);
    void SetCalendarPoint(CPoint pt);
    void SetCalendarCategory(int nCategory);

    // The open record file's user and folder; both empty when none is open.
    void SetUser(const std::string& strUserName, const std::string& strVeskDir);

private:
    CAppSettings& m_settings;
    CAppSetting& m_setting;
    bool m_bChartChanged = false;
    bool m_bBoardChanged = false;
};
