#pragma once

// A point in screen pixels.
struct CPoint
{
    int x = 0;
    int y = 0;
    bool operator==(const CPoint&) const = default;
};
