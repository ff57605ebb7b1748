#pragma once

#include "web/site/BlockTagParams.h"

// The segment parameters of a DETAIL: one pass takes count rows of the page.
class CDetailTagParams : public CBlockTagParams
{
  public:
    CDetailTagParams() : CBlockTagParams(false) {}
};
