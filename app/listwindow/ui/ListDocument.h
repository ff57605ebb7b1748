#pragma once

#include <wx/docview.h>

#include <memory>

class CZantobyDoc;

// The framework's document of one open list: it holds the list document and hands it the
// framework's new, open, save and close. Its run-time class name is "CZantobyDoc", by which the
// program tells lists from photo editor documents.
class CListDocument : public wxDocument
{
  public:
    CListDocument();
    ~CListDocument() override;

    CZantobyDoc& List() { return *m_list; }

    bool OnNewDocument() override;
    bool OnOpenDocument(const wxString& file) override;
    bool OnSaveDocument(const wxString& file) override;
    bool OnCloseDocument() override;
    bool Save() override;
    bool SaveAs() override;
    bool OnSaveModified() override;
    bool IsModified() const override;
    void Modify(bool modified) override;

    wxClassInfo* GetClassInfo() const override { return &ms_classInfo; }
    static wxClassInfo ms_classInfo;
    static wxObject* wxCreateObject();

  private:
    // The list's own menu commands go to CListCommands, with their enabling and checks.
    void BindCommands();
    // The framework follows the list's path and title after the list has taken a new one.
    void FollowPath();
    // The views build their grid and strip once the list is read.
    void InitialUpdate();

    std::unique_ptr<CZantobyDoc> m_list;
};
