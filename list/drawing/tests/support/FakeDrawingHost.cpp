#include "FakeDrawingHost.h"

void FakeDrawingHost::ReportError(const char* message, const char* sourceFile, int)
{
    reports.push_back({message != nullptr ? message : "", sourceFile});
}

void FakeDrawingHost::ShowErrorMessage(int id, const CString& argument)
{
    errorBoxes.emplace_back(id, argument.str());
}

bool FakeDrawingHost::Run(const char* kind)
{
    dialogsRun.emplace_back(kind);
    if (onDialog) {
        onDialog();
    }
    return answer;
}
