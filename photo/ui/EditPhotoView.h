#pragma once

#include "photo/EditViewZoom.h"
#include "photo/ui/DrawPropertyDialogs.h"
#include "platform/Bitmap.h"
#include "platform/Geometry.h"

#include <wx/docview.h>

#include <memory>

class Canvas;
class CEditPhotoDoc;
class CEditPhotoModel;
class CEditPhotoWindow;
class CEditTools;
class CShapeCommands;
class wxMouseEvent;

// The only view of a photo editor document: the photo with its corrections and shapes at a zoom
// with a margin, the drawing tools on the pointer, the handles of the selected shapes and the
// outlines of a drag, the pointer position and zoom in the status bar, and the commands of the
// editor's menus, toolbar and control box.
class CEditPhotoView : public wxView
{
  public:
    CEditPhotoView();
    ~CEditPhotoView() override;

    bool OnCreate(wxDocument* doc, long flags) override;
    bool OnClose(bool deleteWindow) override;
    void OnDraw(wxDC*) override {}
    void OnUpdate(wxView* sender, wxObject* hint) override;
    void OnActivateView(bool activate, wxView* activeView, wxView* deactiveView) override;

    // Once the photo is read: the zoom that fits it and its rendering.
    void InitialUpdate();
    // Mode 0 keeps the fit mode and zoom; the pointer's photo pixel stays in place.
    void SetZoom(bool redraw, int mode, int zoom);
    void RenderImage(bool redraw);
    void Redraw();

    CEditPhotoModel& Model() const;
    const CEditViewZoom& Zoom() const { return m_zoom; }
    CEditTools& Tools() const { return *m_tools; }
    CEditPhotoWindow* Window() const { return m_window; }

    // From the window
    void Paint(Canvas& dc, CSize client);
    void OnPointer(const wxMouseEvent& event);
    // True when the key was taken: Tab steps through the shapes, the arrows move the pointer.
    bool OnKey(int keyCode, bool control, bool shift);
    void OnWindowSize();
    void OnScrolled();
    void OnCaptureLost();

    // Runs a command id as the menus do.
    void RunCommand(int id);

  private:
    CPoint ToView(const wxPoint& client) const;
    void SyncScroll();
    void ShowCursorAt(CPoint view);
    void Commit();
    void Properties();

    void OnCommand(wxCommandEvent& event);
    void OnUpdateCommand(wxUpdateUIEvent& event);
    // Runs an action, reporting what it throws.
    template <typename Action> void Guarded(int line, Action action);

    CEditPhotoDoc* m_doc = nullptr;
    CEditPhotoWindow* m_window = nullptr;
    CEditViewZoom m_zoom;
    std::unique_ptr<CEditTools> m_tools;
    std::unique_ptr<CShapeCommands> m_commands;
    CDrawPropertyDialogs m_dialogs;
    // The rendering reduced to the view's size below 100 %, made when first painted after a
    // rendering or a change of zoom.
    Bitmap m_reduced;
    unsigned m_reducedFrom = 0;

    wxDECLARE_DYNAMIC_CLASS(CEditPhotoView);
};
