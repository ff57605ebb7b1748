#include "FakeListHost.h"

#include "platform/MessageBox.h"

#include <algorithm>

void FakeListHost::ReportError(const char* message, const char* sourceFile, int line)
{
    CString report;
    report.Format("%s (%s:%d)", message != nullptr ? message : "", sourceFile, line);
    errorReports.push_back(report);
}

int FakeListHost::ShowMessageV(MessageKind kind, int id, unsigned, va_list)
{
    messages.push_back({kind, id});
    return NextAnswer();
}

bool FakeListHost::HasMessage(int id) const
{
    return std::any_of(messages.begin(), messages.end(), [id](const Message& m) { return m.id == id; });
}

int FakeListHost::NextAnswer()
{
    if (answers.empty()) {
        return 1;
    }
    int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeListHost::RunSaveFileDialog(const CString& initialPath, const char*, const char*,
                                     CString& chosenPath)
{
    saveDialogInitialPath = initialPath;
    chosenPath = savePath;
    return !savePath.IsEmpty();
}

int FakeListHost::RunAutoPhotoDialog(CZantobyDoc& doc)
{
    return autoPhoto ? autoPhoto(doc) : IDCANCEL;
}

bool FakeListHost::OpenPhotoEditorDocument(const CString& path)
{
    editorDocuments.push_back(path);
    return true;
}

int FakeListHost::RunCheckListDialog(InputCheckSwitches& switches)
{
    if (!checkSwitches) {
        return IDCANCEL;
    }
    switches = *checkSwitches;
    return IDOK;
}

int FakeListHost::RunListInfoDialog(CZantobyDoc& doc)
{
    return listInfo ? listInfo(doc) : NextAnswer();
}

int FakeListHost::RunColumnDetailDialog(ColumnRecord& column)
{
    return columnDetail ? columnDetail(column) : NextAnswer();
}

int FakeListHost::RunImportCsvDialog(CZantobyDoc&, const char* extension, const char* filter)
{
    csvExtension = extension;
    csvFilter = filter;
    return NextAnswer();
}

int FakeListHost::RunBulkImportDialog(CZantobyDoc& doc, BulkImportLayout& layout)
{
    return bulkImport ? bulkImport(doc, layout) : IDCANCEL;
}

int FakeListHost::RunSizeCheckDialog(int& value, int, int, int, int)
{
    value = sizeCheckValue;
    return NextAnswer();
}
