#pragma once

#include "photo/EditPhotoModel.h"

#include <wx/docview.h>

class CEditPhotoView;
class IPhotoEditorHost;

// The framework's document of one photo open in the photo editor: it hands the framework's
// open, save and close to the edited photo, saves without a file dialog, keeps editor paths out
// of the recent files, and toggles the main window's editor bars. Its run-time class name is
// "CEditPhotoDoc", by which the program opens and finds photo editor documents.
class CEditPhotoDoc : public wxDocument
{
  public:
    CEditPhotoDoc();
    ~CEditPhotoDoc() override;

    CEditPhotoModel& Model() { return m_model; }
    IPhotoEditorHost& Host() { return m_host; }
    CEditPhotoView* GetEditView() const;

    bool OnOpenDocument(const wxString& file) override;
    bool OnSaveDocument(const wxString& file) override;
    bool OnCloseDocument() override;
    bool Save() override;
    bool SaveAs() override { return Save(); }
    bool OnSaveModified() override;
    bool IsModified() const override { return m_model.IsModified(); }
    void Modify(bool modified) override;

    wxClassInfo* GetClassInfo() const override { return &ms_classInfo; }
    static wxClassInfo ms_classInfo;
    static wxObject* wxCreateObject();

  private:
    // Names the document by its path, and its window and questions by the photo.
    void TakePath(const wxString& path);
    void OnViewToolbar(wxCommandEvent& event);
    void OnUpdateViewToolbar(wxUpdateUIEvent& event);

    IPhotoEditorHost& m_host;
    CEditPhotoModel m_model;
};
