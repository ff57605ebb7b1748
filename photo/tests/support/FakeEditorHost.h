#pragma once

#include "list/drawing/IDrawPropertyDialogs.h"
#include "photo/IPhotoEditorHost.h"

#include <functional>
#include <map>
#include <vector>

class CZantobyDoc;

// A recording application for the editor tests: the lists it knows by path, the messages and
// reports it was given.
class FakeEditorHost : public IPhotoEditorHost
{
  public:
    explicit FakeEditorHost(const CString& tempFolder) : tempFolder(tempFolder) {}

    CZantobyDoc* FindListDocument(const CString& path) override;
    void ShowWarningMessage(int id, const CString&, const CString&) override { messages.push_back(id); }
    void Beep() override { ++beeps; }
    CString GetTempFolder() override { return tempFolder; }
    void ReportError(const char* message, const char*, int) override { reports.push_back(message); }
    void ShowErrorMessage(int id, const CString&) override { messages.push_back(id); }
    CString GetVersionString() override { return "2.108.0"; }

    bool HasMessage(int id) const;

    CString tempFolder;
    std::map<CString, CZantobyDoc*> lists;
    std::vector<int> messages;
    std::vector<CString> reports;
    int beeps = 0;
};

// Property dialogs that answer from a script: each call runs edit (when set) on the shape and
// returns answer.
class FakePropertyDialogs : public IDrawPropertyDialogs
{
  public:
    bool EditArea(CDrawArea&) override { return Answer(nullptr); }
    bool EditBox(CDrawBox&) override { return Answer(nullptr); }
    bool EditEllipse(CDrawEllipse&) override { return Answer(nullptr); }
    bool EditPolygon(CDrawPolygon&) override { return Answer(nullptr); }
    bool EditLine(CDrawLine&) override { return Answer(nullptr); }
    bool EditFreeLine(CDrawFreeLine&) override { return Answer(nullptr); }
    bool EditShade(CDrawShade&) override { return Answer(nullptr); }
    bool EditText(CDrawText& text) override { return Answer(&text); }
    bool EditGroup(CDrawGroup&) override { return Answer(nullptr); }
    void ReportError(const char*, const char*, int) override {}
    void ShowErrorMessage(int, const CString&) override {}
    CString GetVersionString() override { return "2.108.0"; }

    bool answer = true;
    std::function<void(CDrawText&)> editText;
    int calls = 0;

  private:
    bool Answer(CDrawText* text)
    {
        ++calls;
        if (text != nullptr && editText) {
            editText(*text);
        }
        return answer;
    }
};
