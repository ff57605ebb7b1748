#pragma once

#include "list/ListHintArg.h"

// View update hints that the list document and its commands send to every view.
enum ListViewHint : int
{
    kHintRebuildAll = 1,
    kHintColumnsAndRows = 2,
    kHintAllRows = 3,
    kHintPhotoChanged = 4,
    kHintRowsEdited = 5,
    kHintCurrentCellMoved = 6,
    kHintRowsAppended = 7,
    kHintGoToPosition = 8,
    kHintPrint = 9,
    kHintFind = 10,
    kHintBeforeSortSettings = 11,
    kHintMouseWheel = 12,
    kHintDisableGrid = 13,
    kHintEnableGrid = 14,
    kHintSetSplitter = 15,
    kHintStoreSplitter = 16,
    kHintReset = 17,
};

// A window that shows a list document and follows its changes through numbered hints.
class IListView
{
  public:
    virtual ~IListView() = default;

    // arg is null unless the hint carries an object (hints 4 and 8).
    virtual void OnUpdate(int hint, const ListHintArg* arg) = 0;
};
