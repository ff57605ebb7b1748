#pragma once

#include "platform/CString.h"
#include "web/site/WebExpansionWindow.h"
#include "web/site/WebPageContext.h"
#include "web/site/WebTagParams.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CBlockTagParams;
class CZantobyDoc;

// Fills an HTML base file for one page: replaces every tag "<!--$NAME(params)-->" by the list's
// data, navigation links or repetitions of a block of the text over rows, columns and photos.
class CWebTemplateExpander
{
  public:
    // The tags by name, in the order they are recognised.
    enum class Kind;

    CWebTemplateExpander(const CZantobyDoc& doc, const WebPageContext& page) : m_doc(doc), m_page(page) {}

    // The simple list table that stands for the marker "<!--$TABLE-->" of a list page; without
    // one the marker is an invalid tag.
    void SetSimpleTable(const CString* table) { m_table = table; }

    // Expands every tag of text in place for the window; the page writers pass depth 0. False
    // after the failure was shown once as error 41202; the text is then not to be used.
    bool ExpandTemplate(int depth, CString& text, const WebExpansionWindow& window);
    // The same for a page made away from the program's thread: false with the text of error
    // 41202 in message, for the caller to show.
    bool ExpandPage(CString& text, const WebExpansionWindow& window, CString& message);

    // The failure text of the last expansion that failed, as error 41202 showed it (without the
    // base file's name before it).
    const CString& GetFailure() const { return m_failure; }

  private:
    // One tag of a text, and where the tags of a text open and close.
    struct TagMark;
    struct TagMarks;

    bool Expand(int depth, CString& text, const WebExpansionWindow& window);
    // Appends text expanded to out; marks are those of text, so that a block's body, expanded
    // once for every step, is searched for tags once.
    bool ExpandInto(int depth, const CString& text, const WebExpansionWindow& window, const TagMarks& marks,
                    std::string& out);
    // Each step takes the tag at position at (its end at tagEnd), works out what replaces it and
    // moves end past everything replaced.
    bool ExpandTag(int depth, const TagMark& tag, const CString& text, int at, int tagEnd,
                   const WebExpansionWindow& window, CString& replacement, int& end);
    bool ExpandRepeat(int depth, Kind kind, const CString& text, int at, int tagEnd, const CString& tag,
                      const WebExpansionWindow& window, CString& replacement, int& end);
    bool RepeatSegments(int depth, Kind kind, std::vector<std::unique_ptr<CBlockTagParams>>& segments,
                        const WebExpansionWindow& window, CString& replacement);
    bool ExpandLink(int depth, const CString& text, int at, int tagEnd, const TagMark& tag,
                    const WebExpansionWindow& window, CString& replacement, int& end);
    // The CGI block (removed) and the HTML block (its body expanded).
    bool ExpandEnclosing(int depth, bool keepBody, const CString& text, int at, int tagEnd,
                         const WebExpansionWindow& window, CString& replacement, int& end);
    // Sets the failure text from a pattern with the template text from position at; false.
    bool Fail(const char* pattern, const CString& text, int at);
    // What error 41202 says of the last failure: the base file and the failure text.
    CString FailureMessage() const;
    // The parameters of a tag, parsed the first time its text is met; null when they are
    // refused. The tag's mark keeps them for the next steps of its block.
    template <class Params, class... Context>
    const Params* Parsed(const TagMark& tag, const Context&... context);

    const CZantobyDoc& m_doc;
    const WebPageContext& m_page;
    const CString* m_table = nullptr;
    CString m_failure;
    // Every page of a set, and every step of a block, meets the same tags again.
    std::unordered_map<CString, std::unique_ptr<CWebTagParams>> m_parsed;
};
