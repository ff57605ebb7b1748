#pragma once

// The part of the data that a piece of template text may address: a run of positions in the
// row list, of columns and of photo positions. Tags address data relative to these starts.
struct WebExpansionWindow
{
    int firstRow = 0;
    int rowWindow = 0;
    int firstColumn = 0;
    int columnWindow = 0;
    int firstPhoto = 0;
    int photoWindow = 0;
};
