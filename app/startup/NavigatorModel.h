#pragma once

#include "app/startup/NavigatorEntry.h"
#include "platform/Arrays.h"

#include <array>
#include <vector>

// The start navigator without its window: the entries of its four tabs (the automatic photo
// organiser, new lists from templates, recent lists, samples), the tab shown, the entry
// selected, and what running an entry asks the application to open.
class CNavigatorModel
{
  public:
    enum Tab
    {
        kOrganiserTab = 0,
        kTemplateTab = 1,
        kRecentTab = 2,
        kSampleTab = 3,
    };
    static constexpr int kTabCount = 4;
    static constexpr int kFrameCount = 6;
    // Frames filled from a folder's "Info.txt" or the recent-file list; the sixth holds the
    // entry that makes a list by hand or chooses a file.
    static constexpr int kListedFrames = 5;
    // Bitmap resources of the sixth entries.
    static constexpr int kManualPicture = 404;
    static constexpr int kChooseFilePicture = 405;

    struct TabTexts
    {
        const char* label;
        const char* prompt;
        const char* runButton;
        bool webButton;
        // The description box while nothing is selected.
        const char* noSelection;
    };
    static const TabTexts& GetTabTexts(int tab);
    // The tab's label with the list word in it.
    static CString GetTabLabel(int tab);

    // What the application opens for the entry run.
    struct OpenRequest
    {
        enum Kind
        {
            kNothing,
            kNewList,    // an untitled list
            kOpenPath,   // a list file or a pseudo path ("autophoto:", "template:...")
            kChooseFile, // the open-list dialog chooses the file
        };
        Kind kind = kNothing;
        CString path;
        // A pseudo path names no file whose extension could pick the kind of document: it is
        // opened as a list.
        bool pseudoPath = false;
    };

    // Builds the four tabs. resourceFolder holds the Template folder and the organiser's
    // picture, sampleFolder the samples; recentPaths are the recent-file list, newest first.
    void Build(const CString& resourceFolder, const CString& sampleFolder, const CStringArray& recentPaths);

    // Shows a tab (outside 0 to 3: the first) and clears the selection; a tab of one entry
    // has it selected.
    void ShowTab(int tab);
    int GetTab() const { return m_tab; }
    const std::vector<NavigatorEntry>& GetEntries(int tab) const
    {
        return m_entries[static_cast<size_t>(tab)];
    }
    const std::vector<NavigatorEntry>& GetEntries() const { return GetEntries(m_tab); }

    // Selects the entry in a frame; a frame without a valid entry leaves nothing selected.
    void SelectEntry(int position);
    int GetSelected() const { return m_selected; }
    // The selected entry's description, or the tab's text for no selection.
    CString GetDescription() const;

    // The run button or a double click: false, changing nothing, without a valid selection;
    // else the selected entry's paths become the result.
    bool Run();
    const CString& GetResultPath() const { return m_resultPath; }
    const CString& GetResultWebPath() const { return m_resultWebPath; }
    // What the result asks to open, by the tab it was chosen on.
    OpenRequest GetOpenRequest() const;

    // The Web page that "Webを開く" opens: the selected entry's, when the tab offers the button.
    CString GetWebPageToOpen() const;

    // One tick of the recent tab's animation: the next recent list of more than one photo
    // shows another of its photos. True when a picture changed.
    bool Animate();

    // The entries described by a folder's "Info.txt": after a first line that is skipped, per
    // entry a caption, a picture file, a list file, a Web page file and description lines up
    // to one that starts with "::". At most five entries; an entry cut short stays invalid.
    static void ReadInfoFile(const CString& folder, bool fillUp, std::vector<NavigatorEntry>& entries);

  private:
    void BuildRecent(const CStringArray& recentPaths);
    void BuildSamples(const CString& folder);
    static void ShowPhoto(NavigatorEntry& entry, int position);

    std::array<std::vector<NavigatorEntry>, kTabCount> m_entries;
    int m_tab = kOrganiserTab;
    int m_selected = -1;
    CString m_resultPath;
    CString m_resultWebPath;
    int m_animationCounter = 0;
};
