#pragma once

class CCellRecord;

// An object a cell may carry, which fills in the cell's record whenever it is read for display.
class CCellObject
{
  public:
    virtual ~CCellObject() = default;
    virtual void FillCellRecord(CCellRecord& record) = 0;
};
