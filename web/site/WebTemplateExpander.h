#pragma once

#include "platform/CString.h"
#include "web/site/WebExpansionWindow.h"
#include "web/site/WebPageContext.h"
#include "web/site/WebTagParams.h"

#include <memory>
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

    // The failure text of the last expansion that failed, as error 41202 showed it (without the
    // base file's name before it).
    const CString& GetFailure() const { return m_failure; }

  private:
    // Where the tags of a text open and close.
    struct TagMarks;

    // marks, when given, are those of text: a block's body is expanded once for every step.
    bool Expand(int depth, CString& text, const WebExpansionWindow& window, const TagMarks* marks = nullptr);
    // Each step takes the tag at position at (its text in tag, its end at tagEnd), works out what
    // replaces it and moves end past everything replaced.
    bool ExpandTag(int depth, Kind kind, const CString& text, int at, int tagEnd, const CString& tag,
                   const WebExpansionWindow& window, CString& replacement, int& end);
    bool ExpandRepeat(int depth, Kind kind, const CString& text, int at, int tagEnd, const CString& tag,
                      const WebExpansionWindow& window, CString& replacement, int& end);
    bool RepeatSegments(int depth, Kind kind, std::vector<std::unique_ptr<CBlockTagParams>>& segments,
                        const WebExpansionWindow& window, CString& replacement);
    bool ExpandLink(int depth, const CString& text, int at, int tagEnd, const CString& tag,
                    const WebExpansionWindow& window, CString& replacement, int& end);
    // The CGI block (removed) and the HTML block (its body expanded).
    bool ExpandEnclosing(int depth, bool keepBody, const CString& text, int at, int tagEnd,
                         const WebExpansionWindow& window, CString& replacement, int& end);
    // Sets the failure text from a pattern with the template text from position at; false.
    bool Fail(const char* pattern, const CString& text, int at);
    // The parameters of a tag of that text, parsed the first time it is met; null when they are
    // refused.
    template <class Params, class... Context>
    const Params* Parsed(const CString& tag, const Context&... context);

    const CZantobyDoc& m_doc;
    const WebPageContext& m_page;
    const CString* m_table = nullptr;
    CString m_failure;
    // Every page of a set, and every step of a block, meets the same tags again.
    std::unordered_map<CString, std::unique_ptr<CWebTagParams>> m_parsed;
};
