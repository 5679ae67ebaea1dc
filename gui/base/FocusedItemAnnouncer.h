#pragma once
#include <functional>

class QWidget;

// Tells assistive technology which item of widget (a list or table it presents) has the
// keys: whenever the item moves, and on entering the widget or its window, after the focus
// Qt tells for the widget itself, so that the item is read and not only the widget.
// item gives the item's child index, or -1 for none.
class CFocusedItemAnnouncer
{
public:
    static void Install(QWidget& widget, std::function<int()> item);
    // Tells it now, while widget has the keys.
    static void Announce(QWidget& widget, int nItem);
};
