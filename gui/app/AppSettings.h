#pragma once
#include <QObject>

#include "core/settings/AppSetting.h"

// The viewer's one set of settings, owned by the application and lent by reference. It
// says when chart or board settings were stored, and the windows showing them redraw then.
class CAppSettings : public QObject
{
    Q_OBJECT

public:
    CAppSetting& Get() { return m_setting; }
    const CAppSetting& Get() const { return m_setting; }

    // The property sheet stored new values.
    void NotifyChartStored() { emit chartSettingsStored(); }
    void NotifyBoardStored() { emit boardSettingsStored(); }

signals:
    void chartSettingsStored();
    void boardSettingsStored();

private:
    CAppSetting m_setting;
};
