#pragma once

class ColumnRecord;
class IListHost;
class wxWindow;

// Runs the detail dialog of the record's type on the record; IDOK when it was written, IDCANCEL
// when not or when the type has no dialog.
int RunColumnDetailDialog(wxWindow* parent, IListHost& host, ColumnRecord& record);
