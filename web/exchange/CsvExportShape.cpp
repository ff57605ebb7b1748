#include "web/exchange/CsvExportShape.h"

#include "list/ZantobyDoc.h"
#include "platform/Cp932.h"
#include "web/exchange/CsvRecordReader.h"

#include <string>
#include <vector>

namespace {

// Every backslash of the field begins one of the export's escapes; the escaped character is
// never a double-byte one.
bool HoldsOnlyEscapes(std::string_view field, char delimiter)
{
    for (size_t i = 0; i < field.size();) {
        const size_t length = Cp932::CharLength(field, i);
        if (length == 1 && field[i] == '\\') {
            if (i + 1 >= field.size() || !CCsvExportShape::IsEscape(field[i + 1], delimiter)) {
                return false;
            }
            i += 2;
            continue;
        }
        i += length;
    }
    return true;
}

} // namespace

bool CCsvExportShape::IsEscape(char next, char delimiter)
{
    constexpr std::string_view kEscaped("nrt\\'\",");
    return next != '\0' && (next == delimiter || kEscaped.find(next) != std::string_view::npos);
}

bool CCsvExportShape::Fits(const CZantobyDoc& doc, std::string_view text, char delimiter, int linesSkipped)
{
    const int columns = doc.columnCount;
    if (columns <= 0 || text.find_first_of("\\'") == std::string_view::npos) {
        return false;
    }
    CCsvRecordReader reader(text, delimiter, CCsvRecordReader::Syntax::Export);
    std::vector<std::string_view> fields;
    std::string openers;
    for (int line = 0; line < linesSkipped; ++line) {
        if (!reader.Next(fields)) {
            return false;
        }
    }
    // The quote of the text fields, once the first one is read; the export uses one for all.
    int textQuote = -1;
    bool any = false;
    for (;;) {
        fields.clear();
        openers.clear();
        if (!reader.Next(fields, &openers)) {
            return any;
        }
        if (fields.size() != static_cast<size_t>(columns)) {
            return false;
        }
        for (int i = 0; i < columns; ++i) {
            const std::string_view field = fields[static_cast<size_t>(i)];
            const char opener = openers[static_cast<size_t>(i)];
            const int type = doc.GetColumn(i).type;
            if (type == kTypeText || type == kTypeMark) {
                if (textQuote < 0) {
                    textQuote = opener;
                }
                if (opener != textQuote) {
                    return false;
                }
            } else if (opener != '\0' || (type == kTypeYesNo && field != "true" && field != "false") ||
                       (type == kTypeNone && !field.empty())) {
                return false;
            }
            if (!HoldsOnlyEscapes(field, delimiter)) {
                return false;
            }
        }
        any = true;
    }
}
