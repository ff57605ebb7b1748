#pragma once

// Fixed capacities of one list. Rows, photo slots and columns are addressed by index within them.
constexpr int kMaxRows = 10000;
constexpr int kMaxColumns = 128;
constexpr int kMaxPhotos = 10000;
constexpr int kMaxPhotosPerRow = 20;
constexpr int kMaxDisplayRows = 10000;

// The display entry that stands for the line on which a new row is typed.
constexpr int kNewRowLine = -1;

// Column type codes.
constexpr int kTypeNone = 0;
constexpr int kTypeYesNo = 1;
constexpr int kTypeText = 2;
constexpr int kTypeMark = 3;
constexpr int kTypeNumber = 4;
constexpr int kTypeDate = 5;

// Output modes of cell formatting.
constexpr int kOutputGrid = 0;
constexpr int kOutputWeb = 1;
constexpr int kOutputCgi = 2;
constexpr int kOutputPrint = 3;
constexpr int kOutputFile = 4;
constexpr int kOutputFind = 5;
