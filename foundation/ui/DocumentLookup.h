#pragma once

#include "platform/CString.h"

#include <wx/object.h>

class wxDocManager;
class wxDocTemplate;
class wxDocument;

// The hint a document sends to its views: the number of the hint table and its object.
class CUpdateHint : public wxObject
{
  public:
    CUpdateHint(int hintNumber, void* hintObject) : hint(hintNumber), object(hintObject) {}
    int hint;
    void* object;
};

// Finds and opens the documents of the application's document manager by path and by the
// run-time class name of the document.
class CDocumentLookup
{
  public:
    static wxDocTemplate* FindDocTemplate(wxDocManager& manager, const char* className);
    // Without a class name the template is chosen by the path (an open document of the path is
    // activated); with one, the path is opened through that class's template (an empty path
    // makes a new document). Null when nothing was opened.
    static wxDocument* OpenDocumentOfType(wxDocManager& manager, const CString& path, const char* className);
    // The first open document whose path equals path exactly.
    static wxDocument* FindDocumentByPath(wxDocManager& manager, const CString& path);
    static int GetDocumentCount(wxDocManager& manager);
    // Sends the hint to the views of every open document of the class (null: of every class).
    static void UpdateDocumentsOfClass(wxDocManager& manager, const char* className, int hint,
                                       void* hintObject);
};
