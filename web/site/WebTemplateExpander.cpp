#include "web/site/WebTemplateExpander.h"

#include "foundation/TextHelper.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"
#include "web/site/ColumnTagParams.h"
#include "web/site/CommentTagParams.h"
#include "web/site/DateTagParams.h"
#include "web/site/DetailTagParams.h"
#include "web/site/FileNameTagParams.h"
#include "web/site/LinkTagParams.h"
#include "web/site/MessageTagParams.h"
#include "web/site/PageListTagParams.h"
#include "web/site/PhotoTagParams.h"
#include "web/site/PhotosTagParams.h"
#include "web/site/TextTagParams.h"
#include "web/site/TextsTagParams.h"
#include "web/site/TitleTagParams.h"
#include "web/site/WebTagScope.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <utility>

enum class CWebTemplateExpander::Kind
{
    Detail,
    Texts,
    Photos,
    Link,
    Column,
    SubColumn,
    Text,
    Photo,
    Comment,
    FileName,
    Title,
    Date,
    Message,
    PageList,
    Pages,
    Page,
    Cgi,
    Html,
    EndDetail,
    EndTexts,
    EndPhotos,
    EndLink,
    Invalid
};

struct CWebTemplateExpander::TagMark
{
    int at;
    int close; // of the first "-->" behind the opening; -1 when there is none
    // Taken from the text, and its parameters parsed, when the expansion first meets the tag:
    // a block's body meets its tags again at every step.
    mutable bool known = false;
    mutable CString text;
    mutable Kind kind = Kind::Invalid;
    mutable const CWebTagParams* params = nullptr;
};

// The tags of a text in order, as the expansion meets them at each "<!--$" on a character.
struct CWebTemplateExpander::TagMarks
{
    std::vector<TagMark> tags;

    explicit TagMarks(const CString& text);
    // The first tag opening at or after from; null when none.
    const TagMark* Next(int from) const;
};

namespace {

using Kind = CWebTemplateExpander::Kind;

constexpr const char* kOpen = "<!--$";
constexpr int kOpenLength = 5;
constexpr const char* kClose = "-->";
constexpr int kMaxDepth = 10;
constexpr int kExcerptBytes = 60;
constexpr const char* kNoClose = "'<!--$'に対応する'-->'が見付かりません\n\n%s";

// Tag names in the order they are tried, each the start of a tag: a longer name before the
// shorter one it starts with.
constexpr std::string_view kTagNames[] = {
    "DETAIL",  "TEXTS",    "PHOTOS",     "LINK",      "COLUMN",     "SUBCOLUMN", "TEXT",  "PHOTO",
    "COMMENT", "FILENAME", "TITLE",      "DATE",      "MESSAGE",    "PAGELIST",  "PAGES", "PAGE",
    "CGI",     "HTML",     "END_DETAIL", "END_TEXTS", "END_PHOTOS", "END_LINK"};

Kind Recognise(const CString& tag)
{
    for (size_t i = 0; i < std::size(kTagNames); ++i) {
        if (tag.view().starts_with(kTagNames[i])) {
            return static_cast<Kind>(i);
        }
    }
    return Kind::Invalid;
}

// The texts of one kind of repeated block.
struct RepeatNames
{
    const char* opening;   // "<!--$DETAIL": where the next segment begins
    const char* ending;    // "<!--$END_DETAIL-->"
    const char* badParams; // failure patterns
    const char* missingEnd;
};

RepeatNames NamesOf(Kind kind)
{
    switch (kind) {
    case Kind::Texts:
        return {"<!--$TEXTS", "<!--$END_TEXTS-->", "'TEXTS ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s",
                "TEXTS ... 対応する END_TEXTS が見付かりません\n\n%s"};
    case Kind::Photos:
        return {"<!--$PHOTOS", "<!--$END_PHOTOS-->", "'PHOTOS ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s",
                "PHOTOS ... 対応する END_PHOTOS が見付かりません\n\n%s"};
    default:
        return {"<!--$DETAIL", "<!--$END_DETAIL-->", "'DETAIL ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s",
                "DETAIL ... 対応する END_DETAIL が見付かりません\n\n%s"};
    }
}

std::unique_ptr<CBlockTagParams> MakeSegment(Kind kind)
{
    switch (kind) {
    case Kind::Texts:
        return std::make_unique<CTextsTagParams>();
    case Kind::Photos:
        return std::make_unique<CPhotosTagParams>();
    default:
        return std::make_unique<CDetailTagParams>();
    }
}

// The END tag that closes a block whose body starts at from: blocks of the same kind inside
// the body take their own END tags first, so that HTML blocks nest.
int FindNestedEnd(const CString& text, int from, const char* opening, const char* ending)
{
    int open = 0;
    for (int at = text.FindOnCharacter(kOpen, from); at >= 0;
         at = text.FindOnCharacter(kOpen, at + kOpenLength)) {
        std::string_view rest = text.view().substr(static_cast<size_t>(at));
        if (rest.starts_with(ending)) {
            if (open == 0) {
                return at;
            }
            --open;
        } else if (rest.starts_with(opening)) {
            ++open;
        }
    }
    return -1;
}

} // namespace

CWebTemplateExpander::TagMarks::TagMarks(const CString& text)
{
    // Both marks start with a single-byte character, so the byte behind a match starts one too.
    std::vector<int> closes;
    for (int at = text.FindOnCharacter(kClose, 0); at >= 0; at = text.FindOnCharacter(kClose, at + 1)) {
        closes.push_back(at);
    }
    for (int at = text.FindOnCharacter(kOpen, 0); at >= 0; at = text.FindOnCharacter(kOpen, at + 1)) {
        auto close = std::lower_bound(closes.begin(), closes.end(), at + kOpenLength);
        tags.push_back(
            TagMark{at, close == closes.end() ? -1 : *close, false, CString(), Kind::Invalid, nullptr});
    }
}

const CWebTemplateExpander::TagMark* CWebTemplateExpander::TagMarks::Next(int from) const
{
    auto found = std::lower_bound(tags.begin(), tags.end(), from,
                                  [](const TagMark& tag, int at) { return tag.at < at; });
    return found == tags.end() ? nullptr : &*found;
}

template <class Params, class... Context>
const Params* CWebTemplateExpander::Parsed(const TagMark& tag, const Context&... context)
{
    if (tag.params == nullptr) {
        auto [entry, added] = m_parsed.try_emplace(tag.text);
        if (added) {
            auto params = std::make_unique<Params>();
            if (params->Parse(tag.text, context...)) {
                entry->second = std::move(params);
            }
        }
        tag.params = entry->second.get();
    }
    return static_cast<const Params*>(tag.params);
}

bool CWebTemplateExpander::ExpandTemplate(int depth, CString& text, const WebExpansionWindow& window)
{
    m_failure.Empty();
    if (Expand(depth, text, window)) {
        return true;
    }
    m_doc.Host().ShowErrorMessage(41202, MB_OK, FailureMessage().GetString());
    return false;
}

bool CWebTemplateExpander::ExpandPage(CString& text, const WebExpansionWindow& window, CString& message)
{
    m_failure.Empty();
    if (Expand(0, text, window)) {
        return true;
    }
    message = FailureMessage();
    return false;
}

CString CWebTemplateExpander::FailureMessage() const
{
    const char* file = m_page.singlePage == 0   ? "list.htm / free.htm\n"
                       : m_page.singlePage == 1 ? "page.htm\n"
                                                : "";
    return CString(file) + m_failure;
}

bool CWebTemplateExpander::Expand(int depth, CString& text, const WebExpansionWindow& window)
{
    const TagMarks marks(text);
    std::string out;
    out.reserve(static_cast<size_t>(text.GetLength()) * 2);
    if (!ExpandInto(depth, text, window, marks, out)) {
        return false;
    }
    text = CString(std::move(out));
    return true;
}

// Replacements are never read again: what a tag puts in (data that passes raw, a default
// text) cannot become a tag of the page, and no text can expand itself without end.
bool CWebTemplateExpander::ExpandInto(int depth, const CString& text, const WebExpansionWindow& window,
                                      const TagMarks& marks, std::string& out)
{
    ++depth;
    if (depth > kMaxDepth) {
        return Fail("ﾀｸﾞの指定が複雑すぎます\n\n%s", text, 0);
    }
    int done = 0;
    for (const TagMark* tag = marks.Next(0); tag != nullptr; tag = marks.Next(done)) {
        const int at = tag->at;
        if (tag->close < 0) {
            return Fail(kNoClose, text, at);
        }
        if (!tag->known) {
            tag->text = text.Mid(at + kOpenLength, tag->close - at - kOpenLength);
            tag->kind = Recognise(tag->text);
            tag->known = true;
        }
        int end = tag->close + 3;
        CString replacement;
        if (m_table != nullptr && tag->text == "TABLE") {
            replacement = *m_table;
        } else if (!ExpandTag(depth, *tag, text, at, end, window, replacement, end)) {
            return false;
        }
        out.append(text.view().substr(static_cast<size_t>(done), static_cast<size_t>(at - done)));
        out.append(replacement.view());
        done = end;
    }
    out.append(text.view().substr(static_cast<size_t>(done)));
    return true;
}

bool CWebTemplateExpander::ExpandTag(int depth, const TagMark& tag, const CString& text, int at, int tagEnd,
                                     const WebExpansionWindow& window, CString& replacement, int& end)
{
    CWebTagScope scope(m_doc, m_page, window);
    const char* failure = nullptr;
    const Kind kind = tag.kind;
    switch (kind) {
    case Kind::Detail:
    case Kind::Texts:
    case Kind::Photos:
        return ExpandRepeat(depth, kind, text, at, tagEnd, tag.text, window, replacement, end);
    case Kind::Link:
        return ExpandLink(depth, text, at, tagEnd, tag, window, replacement, end);
    case Kind::Cgi:
    case Kind::Html:
        return ExpandEnclosing(depth, kind == Kind::Html, text, at, tagEnd, window, replacement, end);
    case Kind::Column:
    case Kind::SubColumn: {
        const CColumnTagParams* params = Parsed<CColumnTagParams>(tag, m_doc);
        if (params == nullptr) {
            return Fail(kind == Kind::Column ? "COLUMN ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s"
                                             : "SUBCOLUMN ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s",
                        text, at);
        }
        failure = params->Emit(scope, kind == Kind::SubColumn, replacement);
        break;
    }
    case Kind::Text: {
        const CTextTagParams* params = Parsed<CTextTagParams>(tag, m_doc);
        if (params == nullptr) {
            return Fail("TEXT ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        failure = params->Emit(scope, replacement);
        break;
    }
    case Kind::Photo: {
        const CPhotoTagParams* params = Parsed<CPhotoTagParams>(tag);
        if (params == nullptr) {
            return Fail("PHOTO ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        failure = params->Emit(scope, replacement);
        break;
    }
    case Kind::Comment: {
        const CCommentTagParams* params = Parsed<CCommentTagParams>(tag);
        if (params == nullptr) {
            return Fail("COMMENT ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        failure = params->Emit(scope, replacement);
        break;
    }
    case Kind::FileName: {
        const CFileNameTagParams* params = Parsed<CFileNameTagParams>(tag);
        if (params == nullptr) {
            return Fail("FILENAME ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        failure = params->Emit(scope, replacement);
        break;
    }
    case Kind::Title: {
        const CTitleTagParams* params = Parsed<CTitleTagParams>(tag);
        if (params == nullptr) {
            return Fail("'TITLE ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        replacement = params->Emit(scope);
        break;
    }
    case Kind::Date: {
        const CDateTagParams* params = Parsed<CDateTagParams>(tag);
        if (params == nullptr) {
            return Fail("'DATE ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        replacement = params->FormatNow();
        break;
    }
    case Kind::Message: {
        const CMessageTagParams* params = Parsed<CMessageTagParams>(tag);
        if (params == nullptr) {
            return Fail("'MESSAGE ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        replacement = params->Emit(scope);
        break;
    }
    case Kind::PageList: {
        const CPageListTagParams* params = Parsed<CPageListTagParams>(tag);
        if (params == nullptr) {
            return Fail("'PAGELIST ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
        }
        replacement = params->BuildPageList(scope);
        break;
    }
    case Kind::Pages:
        if (m_page.pageCount != 0) {
            replacement.Format("%d", m_page.pageCount);
        }
        break;
    case Kind::Page:
        replacement.Format("%d", m_page.currentPage + 1);
        break;
    case Kind::EndDetail:
        return Fail("END_DETAIL ... 対応する DETAIL が見付かりません\n\n%s", text, at);
    case Kind::EndTexts:
        return Fail("END_TEXTS ... 対応する TEXTS が見付かりません\n\n%s", text, at);
    case Kind::EndPhotos:
        return Fail("END_PHOTOS ... 対応する PHOTOS が見付かりません\n\n%s", text, at);
    case Kind::EndLink:
        return Fail("END_LINK ... 対応する LINK が見付かりません\n\n%s", text, at);
    case Kind::Invalid:
        return Fail("無効なﾀｸﾞです\n\n%s", text, at);
    }
    return failure == nullptr || Fail(failure, text, at);
}

bool CWebTemplateExpander::ExpandRepeat(int depth, Kind kind, const CString& text, int at, int tagEnd,
                                        const CString& tag, const WebExpansionWindow& window,
                                        CString& replacement, int& end)
{
    RepeatNames names = NamesOf(kind);
    std::vector<std::unique_ptr<CBlockTagParams>> segments;
    int tagAt = at;
    CString tagText = tag;
    int bodyStart = tagEnd;
    for (;;) {
        std::unique_ptr<CBlockTagParams> segment = MakeSegment(kind);
        if (!segment->Parse(tagText)) {
            return Fail(names.badParams, text, at);
        }
        // A further opening tag anywhere on ends this segment; only without one does the END tag.
        int next = text.FindOnCharacter(names.opening, bodyStart);
        bool last = next < 0;
        if (last) {
            next = text.FindOnCharacter(names.ending, bodyStart);
        }
        if (next < 0) {
            return Fail(names.missingEnd, text, tagAt);
        }
        int close = text.FindOnCharacter(kClose, next + kOpenLength);
        if (close < 0) {
            return Fail(kNoClose, text, next);
        }
        segment->body = text.Mid(bodyStart, next - bodyStart);
        segments.push_back(std::move(segment));
        if (last) {
            end = close + 3;
            break;
        }
        tagAt = next;
        tagText = text.Mid(next + kOpenLength, close - next - kOpenLength);
        bodyStart = close + 3;
    }
    return RepeatSegments(depth, kind, segments, window, replacement);
}

bool CWebTemplateExpander::RepeatSegments(int depth, Kind kind,
                                          std::vector<std::unique_ptr<CBlockTagParams>>& segments,
                                          const WebExpansionWindow& window, CString& replacement)
{
    // The walk over rows, columns or photo positions, and the window each step hands on.
    int position = 0;
    int bound = 0;
    switch (kind) {
    case Kind::Detail:
        position = window.firstRow;
        bound = std::min(window.firstRow + window.rowWindow, m_page.RowCount());
        break;
    case Kind::Texts:
        // A negative start offset counts as none, so that the walk always moves on.
        position = window.firstColumn + std::max(segments.front()->no, 0);
        bound = std::min(window.firstColumn + window.columnWindow, m_doc.columnCount);
        break;
    default: {
        int mostPhotos = 1;
        CWebTagScope scope(m_doc, m_page, window);
        for (int i = window.firstRow; i < window.firstRow + window.rowWindow && i < m_page.RowCount(); ++i) {
            if (const ProductRecord* row = scope.RowInUse(scope.RecordAt(i))) {
                mostPhotos = std::max(mostPhotos, row->photoCount);
            }
        }
        position = window.firstPhoto + std::max(segments.front()->no, 0);
        bound = std::min(window.firstPhoto + window.photoWindow, mostPhotos);
        break;
    }
    }
    std::vector<TagMarks> marks;
    for (const auto& segment : segments) {
        marks.emplace_back(segment->body);
    }
    std::string out;
    for (size_t step = 0; position < bound; ++step) {
        const CBlockTagParams& segment = *segments[step % segments.size()];
        WebExpansionWindow inner = window;
        if (kind == Kind::Detail) {
            inner = WebExpansionWindow{position, segment.count, 0, kMaxColumns, 0, kMaxPhotosPerRow};
        } else if (kind == Kind::Texts) {
            inner.firstColumn = position;
            inner.columnWindow = segment.count;
        } else {
            inner.firstPhoto = position;
            inner.photoWindow = segment.count;
        }
        if (!ExpandInto(depth, segment.body, inner, marks[step % segments.size()], out)) {
            return false;
        }
        position += segment.count;
    }
    replacement = CString(std::move(out));
    return true;
}

bool CWebTemplateExpander::ExpandLink(int depth, const CString& text, int at, int tagEnd, const TagMark& tag,
                                      const WebExpansionWindow& window, CString& replacement, int& end)
{
    const CLinkTagParams* params = Parsed<CLinkTagParams>(tag);
    if (params == nullptr) {
        return Fail("LINK ... ﾊﾟﾗﾒｰﾀが不正です\n\n%s", text, at);
    }
    int ending = text.FindOnCharacter("<!--$END_LINK", tagEnd);
    if (ending < 0) {
        return Fail("'LINK ... 対応する END_LINK が見付かりません\n\n%s", text, at);
    }
    int close = text.FindOnCharacter(kClose, ending + kOpenLength);
    if (close < 0) {
        return Fail(kNoClose, text, ending);
    }
    CString anchor;
    if (const char* failure = params->BuildAnchor(CWebTagScope(m_doc, m_page, window), anchor)) {
        return Fail(failure, text, at);
    }
    CString body = text.Mid(tagEnd, ending - tagEnd);
    if (!Expand(depth, body, window)) {
        return false;
    }
    if (anchor.IsEmpty()) {
        replacement = body;
    } else {
        replacement = anchor;
        if (!params->icon.IsEmpty()) {
            replacement += "<IMG src=" + params->icon + " border=0>";
        }
        replacement += body + "</A>";
    }
    end = close + 3;
    return true;
}

bool CWebTemplateExpander::ExpandEnclosing(int depth, bool keepBody, const CString& text, int at, int tagEnd,
                                           const WebExpansionWindow& window, CString& replacement, int& end)
{
    int ending = FindNestedEnd(text, tagEnd, keepBody ? "<!--$HTML" : "<!--$CGI",
                               keepBody ? "<!--$END_HTML" : "<!--$END_CGI");
    if (ending < 0) {
        return Fail(keepBody ? "'HTML ... 対応する END_HTML が見付かりません\n\n%s"
                             : "'CGI ... 対応する END_CGI が見付かりません\n\n%s",
                    text, at);
    }
    int close = text.FindOnCharacter(kClose, ending + kOpenLength);
    if (close < 0) {
        return Fail(kNoClose, text, ending);
    }
    replacement.Empty();
    if (keepBody) {
        replacement = text.Mid(tagEnd, ending - tagEnd);
        if (!Expand(depth, replacement, window)) {
            return false;
        }
    }
    end = close + 3;
    return true;
}

bool CWebTemplateExpander::Fail(const char* pattern, const CString& text, int at)
{
    CString excerpt = CTextHelper(text.Mid(at)).LeftEx(kExcerptBytes);
    m_failure.Format(pattern, excerpt.GetString());
    return false;
}
