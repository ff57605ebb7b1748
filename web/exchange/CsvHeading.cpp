#include "web/exchange/CsvHeading.h"

#include "list/ZantobyDoc.h"

namespace {

void AppendQuoted(std::string& line, const CString& name, char quote)
{
    line += quote;
    for (char ch : name.view()) {
        // A quote byte is never the second byte of a double-byte character.
        if (ch == quote) {
            line += quote;
        }
        line += ch;
    }
    line += quote;
}

// The length of line at the start of text followed by its line end (CR LF or LF); 0 when text
// does not start so.
size_t LineAtStart(std::string_view text, std::string_view line)
{
    if (!text.starts_with(line)) {
        return 0;
    }
    const std::string_view rest = text.substr(line.size());
    return rest.starts_with("\r\n") ? line.size() + 2 : rest.starts_with('\n') ? line.size() + 1 : 0;
}

} // namespace

std::string CCsvHeading::Lines(const CZantobyDoc& doc, char delimiter, char quote)
{
    std::string text;
    bool hasSubNames = false;
    for (int i = 0; i < doc.columnCount; ++i) {
        const CString& name = doc.GetColumn(i).name;
        if (i > 0) {
            text += delimiter;
        }
        // A name repeated from the column before heads a joined group and is written once.
        AppendQuoted(text, i > 0 && name == doc.GetColumn(i - 1).name ? CString() : name, quote);
        hasSubNames = hasSubNames || !doc.GetColumn(i).subName.IsEmpty();
    }
    text += '\n';
    if (hasSubNames) {
        for (int i = 0; i < doc.columnCount; ++i) {
            if (i > 0) {
                text += delimiter;
            }
            AppendQuoted(text, doc.GetColumn(i).subName, quote);
        }
        text += '\n';
    }
    return text;
}

int CCsvHeading::AtStart(const CZantobyDoc& doc, std::string_view text, char delimiter, size_t& length)
{
    length = 0;
    bool named = false;
    for (int i = 0; i < doc.columnCount; ++i) {
        named = named || !doc.GetColumn(i).name.IsEmpty();
    }
    // Lines of empty quotes alone would be no sign of the export.
    if (!named) {
        return 0;
    }
    for (char quote : {'"', '\''}) {
        const std::string lines = Lines(doc, delimiter, quote);
        const std::string_view names = std::string_view(lines).substr(0, lines.find('\n'));
        length = LineAtStart(text, names);
        if (length == 0) {
            continue;
        }
        if (names.size() + 1 == lines.size()) {
            return 1;
        }
        const std::string_view subNames =
            std::string_view(lines).substr(names.size() + 1, lines.size() - names.size() - 2);
        const size_t second = LineAtStart(text.substr(length), subNames);
        length += second;
        return second != 0 ? 2 : 1;
    }
    return 0;
}
