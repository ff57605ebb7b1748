#pragma once

class CCellGrid;

// Fills a grid with the sample sheet the demo and the window tests show: headings, numbers, a
// joined range, text that runs on into empty cells, and the tab bar.
class CGridDemoSheet
{
  public:
    static constexpr int kColumns = 12;
    static constexpr int kRows = 60;
    static void Fill(CCellGrid& grid);
};
