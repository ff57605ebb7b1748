#pragma once

#include "platform/CString.h"

#include <wx/panel.h>

class CPageSetupModel;
class CSpinEdit;
class wxChoice;
struct IntegerFormat;
struct RealFormat;

// One tab of the page setup dialog: it fills its controls from the working page settings and
// writes them back. Its controls carry their own numbers, which repeat from page to page.
class CPageSetupPage : public wxPanel
{
  public:
    CPageSetupPage(wxWindow* parent, int templateId);

    int GetTemplateId() const { return m_templateId; }
    virtual void Load(CPageSetupModel& model) = 0;
    virtual void Save(CPageSetupModel& model) = 0;

  protected:
    void AddLabel(const char* text, int x, int y);
    // A spin field over a placeholder at the place given.
    void AddIntegerSpin(CSpinEdit& spin, int id, int x, int y, const IntegerFormat* format);
    void AddRealSpin(CSpinEdit& spin, int id, int x, int y, const RealFormat* format, double step);
    // A drop list of the Japanese font faces with the face given selected.
    wxChoice* AddFontChoice(int id, int x, int y);
    static void LoadFontChoice(wxChoice* choice, const CString& face);
    static CString SelectedText(const wxChoice* choice);

  private:
    int m_templateId;
};
