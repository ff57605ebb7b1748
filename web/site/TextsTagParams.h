#pragma once

#include "web/site/BlockTagParams.h"

// The segment parameters of a TEXTS: one pass takes count columns, the first pass starting no columns in.
class CTextsTagParams : public CBlockTagParams
{
  public:
    CTextsTagParams() : CBlockTagParams(true) {}
};
