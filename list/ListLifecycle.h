#pragma once

#include "platform/CString.h"

class CZantobyDoc;

// The life of a list document: new lists, lists made from a template and the automatic
// organiser's list, which work in files of the temporary folder until their first save;
// opening a list file; the photo editor documents opened on the list's photos; and closing
// with its clean-up.
class CListLifecycle
{
  public:
    static constexpr char kTemplatePrefix[] = "template:";
    static constexpr char kAutoPhotoPath[] = "autophoto:";

    explicit CListLifecycle(CZantobyDoc& doc) : m_doc(doc) {}

    // Every document of the program, so that untitled lists get distinct working numbers.
    static void Register(CZantobyDoc* doc);
    static void Unregister(CZantobyDoc* doc);

    bool OnNewDocument();
    // A list file, "template:" with a template spec, or "autophoto:"; the path name is set
    // when the list is ready.
    bool OnOpenDocument(const CString& path);
    void OnCloseDocument();
    void SetPathName(const CString& path, bool addToRecentFiles);

    // Gives the list the working names and folders of the lowest free untitled number; with a
    // spec ("template file[,Web base file]") takes the template's settings and Web files.
    bool CreateWorkFolders(const CString& templateSpec);
    // Removes an untitled list's working file and folders; never anything outside the
    // temporary folder.
    bool DeleteWorkFolders();
    bool RunAutoOrganiser();

    bool OpenPhotoEditor(int photo);
    void OnPhotoEdited(int photo);
    void OnPhotoEditorClosed(int photo);

  private:
    int FreeWorkNumber() const;
    bool IsWorkingPath(const CString& path) const;
    bool MakeFreshFolder(const CString& folder) const;
    CString EditorPath(int photo) const;

    CZantobyDoc& m_doc;
};
