#include "platform/ui/DesktopLauncher.h"

#include "platform/FileSystem.h"

#include <gio/gio.h>

#include <initializer_list>

namespace {

using Result = DesktopLauncher::Result;

// Starts the desktop's program for the first of the content types that has one, with the path
// as its one argument.
Result OpenWith(const CString& path, std::initializer_list<const char*> contentTypes)
{
    for (const char* type : contentTypes) {
        GAppInfo* program = g_app_info_get_default_for_type(type, FALSE);
        if (program == nullptr) {
            continue;
        }
        GFile* file = g_file_new_for_path(FileSystem::ToNative(FileSystem::GetFullPath(path)).c_str());
        GList* files = g_list_append(nullptr, file);
        GError* error = nullptr;
        const bool started = g_app_info_launch(program, files, nullptr, &error);
        if (error != nullptr) {
            g_error_free(error);
        }
        g_list_free(files);
        g_object_unref(file);
        g_object_unref(program);
        return started ? Result::kStarted : Result::kFailed;
    }
    return Result::kNoProgram;
}

} // namespace

DesktopLauncher::Result DesktopLauncher::OpenPage(const CString& path)
{
    // The browser is the program for addresses where no program is set for pages.
    return OpenWith(path, {"text/html", "x-scheme-handler/http"});
}

DesktopLauncher::Result DesktopLauncher::OpenFolder(const CString& path)
{
    return OpenWith(path, {"inode/directory"});
}

DesktopLauncher::Result DesktopLauncher::OpenText(const CString& path)
{
    return OpenWith(path, {"text/plain"});
}

DesktopLauncher::Result DesktopLauncher::OpenDocument(const CString& path)
{
    if (FileSystem::IsDirectory(path)) {
        return OpenFolder(path);
    }
    // Known by its name alone: what the file holds must not make it a program.
    const std::string name = FileSystem::ToNative(path).filename().native();
    gchar* type = g_content_type_guess(name.c_str(), nullptr, 0, nullptr);
    // The programs for these kinds start the file itself.
    bool program = false;
    for (const char* kind : {"application/x-executable", "application/x-shellscript", "application/x-desktop"}) {
        program = program || g_content_type_is_a(type, kind);
    }
    const Result result = program ? Result::kNoProgram : OpenWith(path, {type});
    g_free(type);
    return result;
}
