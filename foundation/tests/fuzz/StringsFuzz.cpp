// Text from outside through the string helpers that every file format of the program rests on:
// the splitters, the backslash escape and its undoing, patterns, natural order, the HTML escape
// and the half-width conversion. A text stored as the writers store it must come back from the
// splitter and the unescape as it was stored, first, last or alone on its line.
#include "foundation/StringArrayEx.h"
#include "foundation/TextHelper.h"
#include "platform/Cp932.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A field as the writers store a text: without its broken double-byte characters, escaped and
// quoted.
void CheckQuotedFieldReadsBack(const CString& text)
{
    const std::string whole = Cp932::WithoutBrokenLeadBytes(text.view());
    const CString quoted = "'" + CTextHelper::GetEscapedText(whole.c_str()) + "'";
    for (const CString& line : {quoted, quoted + ",x", "x," + quoted}) {
        CStringArrayEx fields;
        fields.SplitEscaped(line, ',');
        const int at = line[0] == 'x' ? 1 : 0;
        if (fields.GetSize() != (line == quoted ? 1 : 2)) {
            std::fprintf(stderr, "an escaped field splits into %d\n", static_cast<int>(fields.GetSize()));
            std::abort();
        }
        CTextHelper field(fields[at]);
        field.UnescapeBackslash();
        if (field.str() != whole) {
            std::fprintf(stderr, "an escaped field reads back changed\n");
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The helpers take zero-terminated texts, as the lines of a file are.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const CString text(bytes.c_str());

    CStringArrayEx fields;
    fields.Split(text, ',');
    fields.Split(text, '=', 1);
    fields.SplitEscaped(text, ',');
    fields.SplitEscaped(text, '\t', 2);
    fields.SplitDigitRuns(text);
    fields.Sort(true);
    fields.AddUnique(text, true);

    CTextHelper unescaped(text);
    unescaped.UnescapeBackslash();
    CheckQuotedFieldReadsBack(text);

    // The first line is a pattern for the rest.
    const int newline = text.Find('\n');
    const CTextHelper subject(newline >= 0 ? text.Mid(newline + 1) : text);
    const CString pattern = newline >= 0 ? text.Left(newline) : CString("*");
    subject.MatchPattern(pattern);
    subject.CompareNatural(pattern);

    CTextHelper html(text);
    html.EscapeHtml();
    CTextHelper kana(text);
    kana.ToHalfWidthKana();
    return 0;
}
