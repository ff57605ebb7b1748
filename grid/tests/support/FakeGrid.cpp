#include "FakeGrid.h"

#include <algorithm>

RecordingGrid::RecordingGrid(int columns, int rows)
{
    SetHost(&host);
    SetEditWindows(&edit, &maskedEdit);
    SetColCount(columns);
    SetRowCount(rows);
    LayoutParts();
    Forget();
}

bool RecordingGrid::Saw(const std::string& line) const
{
    return std::find(log.begin(), log.end(), line) != log.end();
}

void RecordingGrid::Note(const char* name, std::initializer_list<int> values)
{
    std::string line = name;
    for (int value : values) {
        line += ' ';
        line += std::to_string(value);
    }
    log.push_back(line);
}
