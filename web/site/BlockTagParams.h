#pragma once

#include "web/site/WebTagParams.h"

// The parameters of a repeated block's segment (DETAIL, TEXTS, PHOTOS): how many rows, columns
// or photos one pass over the segment takes, where the walk starts, and the segment's text.
class CBlockTagParams : public CWebTagParams
{
  public:
    // acceptsStart: the tag takes "no", the offset of the walk's first step.
    explicit CBlockTagParams(bool acceptsStart) : m_acceptsStart(acceptsStart) {}

    // False on an unknown key or a count below 1.
    bool Parse(const CString& tagText);

    int no = 0;
    int count = 1;
    CString body;

  private:
    bool m_acceptsStart;
};
