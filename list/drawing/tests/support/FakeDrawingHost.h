#pragma once

#include "list/drawing/IDrawPropertyDialogs.h"

#include <functional>
#include <string>
#include <vector>

// Records what the drawing code reports and answers the property dialogs as scripted.
class FakeDrawingHost : public IDrawPropertyDialogs
{
  public:
    struct Report
    {
        std::string message; // empty for the default text
        std::string sourceFile;
    };
    std::vector<Report> reports;
    std::vector<std::pair<int, std::string>> errorBoxes;
    // Kinds of the dialogs run, in order.
    std::vector<std::string> dialogsRun;
    // Runs inside each dialog: may edit the shape or throw; the dialog then answers `answer`.
    std::function<void()> onDialog;
    bool answer = true;

    void ReportError(const char* message, const char* sourceFile, int line) override;
    void ShowErrorMessage(int id, const CString& argument) override;
    CString GetVersionString() override { return "2.108.0"; }

    bool EditArea(CDrawArea&) override { return Run("area"); }
    bool EditBox(CDrawBox&) override { return Run("box"); }
    bool EditEllipse(CDrawEllipse&) override { return Run("ellipse"); }
    bool EditPolygon(CDrawPolygon&) override { return Run("polygon"); }
    bool EditLine(CDrawLine&) override { return Run("line"); }
    bool EditFreeLine(CDrawFreeLine&) override { return Run("freeline"); }
    bool EditShade(CDrawShade&) override { return Run("shade"); }
    bool EditText(CDrawText&) override { return Run("text"); }
    bool EditGroup(CDrawGroup&) override { return Run("group"); }

  private:
    bool Run(const char* kind);
};
