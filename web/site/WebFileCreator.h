#pragma once

#include "platform/CString.h"
#include "web/site/WebCreateForm.h"
#include "web/site/WebPageContext.h"

#include <functional>
#include <utility>
#include <vector>

class CZantobyDoc;

// The creation of a list's Web files: checks and stores the dialog's values, prepares the output
// folder with its base files, removes stale generated files, picks and orders the rows to
// publish, copies their photos, and writes the pages and the CGI data files.
class CWebFileCreator
{
  public:
    using StatusSink = std::function<void(const CString& text)>;

    explicit CWebFileCreator(CZantobyDoc& doc);

    // The folder the base files are copied from, unless set: the "Web" folder of the installed
    // program's data folder, else the one beside the program.
    void SetBaseFolder(const CString& folder) { m_baseFolder = folder; }
    const CString& GetBaseFolder() const { return m_baseFolder; }
    // Receives the text of each step as the run reaches it.
    void SetStatusSink(StatusSink sink) { m_status = std::move(sink); }

    // The dialog's values from the list's settings; "%Default%" becomes the list's "Web" folder,
    // which is kept in the settings without marking the list modified.
    WebCreateForm LoadSettings();

    // The run. The form takes the corrections the run makes (extensions filled in, the message
    // without its blank lines). True when every file was written and the end was reported;
    // false after a message said what stopped or failed, or when the user said no.
    bool CreateWebFiles(WebCreateForm& form, bool recreate);

    // The rows the last run published, in output order.
    const std::vector<int>& GetRows() const { return m_page.rows; }

  private:
    // The steps of a run in order; false when one refused or failed.
    bool RunSteps(WebCreateForm& form, bool recreate);
    bool CheckForm(WebCreateForm& form);
    // The list's folder or its photo folder (or a folder inside that), where a run would
    // overwrite or delete the list's own files.
    bool IsListOwnFolder(const CString& folder) const;
    void StoreForm(const WebCreateForm& form);
    void TidyMessage(WebCreateForm& form);
    bool PrepareFolders();
    void CopyBaseFiles(const CString& previousFolder);
    // The program's top page with the list page's address and the title filled in.
    void WriteIndexPage(const CString& path);
    // The sets of numbered files a run makes anew, whatever their times: thumbnails (s),
    // standard photos (m) and single pages (p). Files of such a set that the run does not make
    // again are removed; those it makes again are replaced in place, so that a run stopped
    // half way leaves the old files rather than none.
    struct RenewedFiles
    {
        bool small;
        bool middle;
        bool pages;
    };
    RenewedFiles RenewedFilesOf(bool recreate) const;
    void PickRows();
    // The photo slots of the rows picked, each once, in the order met.
    std::vector<int> PublishedPhotos() const;
    // A photo slot's source and its copy in the output folder: the standard photo in m or the
    // thumbnail in s.
    std::pair<CString, CString> PhotoCopy(int slot, bool middle) const;
    // Removes the copies of photos the run does not publish, as the pages of rows it no longer
    // publishes go: the output folder is what the user uploads.
    void RemoveUnpublishedPhotos(const std::vector<int>& slots, const RenewedFiles& renewed);
    bool CopyPhotos(const std::vector<int>& slots, const RenewedFiles& renewed);
    // Removes the pages of rows and pages this run does not publish; true when the set of
    // single pages changed.
    bool RemoveUnpublishedPages();
    // The list pages of a set under the name from page number first on.
    void RemoveListPagesFrom(const CString& name, int first);
    bool WriteFiles(bool rowsChanged);
    // Makes one folder; an existing one is fine. False after warning 31206.
    bool CreateFolder(const CString& path);
    void SetStatusText(const CString& text);

    CZantobyDoc& m_doc;
    CString m_baseFolder;
    StatusSink m_status;
    WebPageContext m_page;
};
