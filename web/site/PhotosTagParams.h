#pragma once

#include "web/site/BlockTagParams.h"

// The segment parameters of a PHOTOS: one pass takes count photo positions, the first pass starting no
// positions in.
class CPhotosTagParams : public CBlockTagParams
{
  public:
    CPhotosTagParams() : CBlockTagParams(true) {}
};
