#pragma once

// A cell of a CGridCtrl in grid coordinates (fixed rows and columns counted).
struct CCellID
{
    int row = -1;
    int col = -1;

    bool IsValid() const { return row >= 0 && col >= 0; }
    friend bool operator==(const CCellID &, const CCellID &) = default;
};
