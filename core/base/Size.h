#pragma once

// A width and height in pixels.
struct CSize
{
    int cx = 0;
    int cy = 0;
    bool operator==(const CSize&) const = default;
};
