#pragma once
#include <memory>
#include <string>

struct BOARDDATA;
struct GAGEINFO;

// What the chart view needs from the main window it lives in.
class CChartHost
{
public:
    virtual ~CChartHost() = default;

    // Layout switches: -1 when the layout was already shown, else 0.
    virtual int SetCompactLayout() = 0;
    virtual int SetChartLayout() = 0;
    virtual bool IsCompact() const = 0;
    // The window title for a category (-1: none) and scale.
    virtual void SetFrameTitle(int nCategory, int nScale) = 0;

    // The scale selector: shows index nScale without notifying back; enabled while a user is loaded.
    virtual void SetScaleSelection(int nScale) = 0;
    virtual bool IsScaleSelectorEnabled() const = 0;

    // Status pane 1: the figures of the bar under the mouse (UTF-8).
    virtual void SetBarStatusText(const std::string& strText) = 0;

    // The gauge parameters after a render; the gauge bars are repainted from them.
    virtual void SetGageInfo(const GAGEINFO& info) = 0;

    // Takes the filled board content and opens a board for it (or says why not).
    virtual void OpenBoard(std::unique_ptr<BOARDDATA> pData) = 0;
};
