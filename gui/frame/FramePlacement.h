#pragma once
#include <QMargins>

class CAppSettings;
class QWidget;

// Where the main window stands in each layout, as the settings keep it: the chart layout's
// outer rectangle and maximized state, and the strip's position.
class CFramePlacement
{
public:
    // Neither is owned; both must outlive the placement.
    CFramePlacement(QWidget& window, CAppSettings& settings);

    // Stores where and how big the chart layout is.
    void StoreChart();
    // Places and shows the window as the chart layout was stored.
    void ApplyChart();
    // Stores the strip's position as it makes way for the chart.
    void LeaveStrip();
    // Puts the strip's frame at its stored position, or where its title bar can be reached.
    void PlaceStrip();

private:
    QWidget& m_Window;
    CAppSettings& m_settings;
    QMargins m_ChartFrame; // the chart window's frame, as last seen around it
    QMargins m_StripFrame; // the frame of the strip when it was last shown
};
