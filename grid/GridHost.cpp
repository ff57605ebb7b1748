#include "grid/GridHost.h"

#include "grid/CellRangeList.h"
#include "platform/TextMeasurer.h"

namespace {

class CEmptyMeasurer : public TextMeasurer
{
  public:
    CSize GetTextExtent(const char*, int) const override { return CSize(0, 0); }
};

} // namespace

void CGridHost::UpdateCellArea(CCellRangeList& queued)
{
    queued.Clear();
}

const TextMeasurer& CGridHost::GetMeasurer(const LogFont*)
{
    static const CEmptyMeasurer measurer;
    return measurer;
}
