#include "app/StartupPlan.h"

#include "platform/FileSystem.h"

CString CStartupPlan::FindFileArgument(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        if (!argument.empty() && argument[0] != '-') {
            return FileSystem::FromNative(argument);
        }
    }
    return CString();
}

bool CStartupPlan::ShouldOpenLastDocument(bool autoNavigate, bool shiftDown, bool autoOpen,
                                          const CString& lastDocument)
{
    return !autoNavigate && !shiftDown && autoOpen && !lastDocument.IsEmpty();
}
