#include "list/CellCodec.h"

#include "foundation/TextHelper.h"
#include "list/IListHost.h"

#include <cstdlib>

namespace {

// HTML text of a generated link. A text that starts with the raw-HTML marker "$:" would pass
// the escape unchanged, so its "$" is kept apart from the escaped rest.
CString HtmlText(const CString& text)
{
    if (text.Left(2) == "$:") {
        CTextHelper rest(text.Mid(1));
        rest.EscapeHtml();
        return "$" + rest;
    }
    CTextHelper escaped(text);
    escaped.EscapeHtml();
    return escaped;
}

CString MarkForWeb(const CString& text)
{
    CTextHelper subject(text);
    CString link;
    if (subject.MatchPattern("http://*")) {
        CString html = HtmlText(text);
        link.Format("$:<A HREF=\"%s\">%s</A>", html.GetString(), html.GetString());
    } else if (subject.MatchPattern("*@*.*")) {
        CString html = HtmlText(text);
        link.Format("$:<A HREF=\"mailto:%s\">%s</A>", html.GetString(), html.GetString());
    } else {
        link = text;
    }
    return link;
}

CString FormatNumber(const ColumnRecord& column, const CNumber& number, int mode)
{
    switch (mode) {
    case kOutputCgi:
        return number.Format(false, column.decimals, true);
    case kOutputFind:
        return number.Format(column.thousands, column.decimals, true);
    case kOutputFile:
        // Decimals past the column's are cut, as shown; a value that shows as zero is saved as
        // zero (hidden where zero is), so that the list reads back as it was saved.
        return number.FormatStored(column.thousands, column.decimals, column.showZero);
    default:
        return number.Format(column.thousands, column.decimals, column.showZero);
    }
}

CString FormatDate(const ColumnRecord& column, const CDateEx& date, int mode)
{
    // Emptiness is the status: a time of 00:00:00 is a valid value 0 and must show.
    if (!date.IsValid()) {
        return CString();
    }
    const CString* pattern = nullptr;
    switch (mode) {
    case kOutputGrid:
        pattern = &column.datePattern;
        break;
    case kOutputWeb:
        pattern = &column.dateHtmlPattern;
        break;
    case kOutputPrint:
        pattern = &column.datePrintPattern;
        break;
    default:
        break;
    }
    return date.FormatDate(pattern != nullptr && !pattern->IsEmpty()
                               ? pattern->GetString()
                               : CCellCodec::DefaultDatePattern(column.dateKind));
}

CString FormatYesNo(const ColumnRecord& column, bool yes, int mode)
{
    const CString* chosen = nullptr;
    if (mode == kOutputWeb) {
        chosen = yes ? &column.yesHtml : &column.noHtml;
    } else if (mode == kOutputPrint) {
        chosen = yes ? &column.yesPrint : &column.noPrint;
    } else {
        return yes ? "true" : "false";
    }
    if (chosen->IsEmpty()) {
        return yes ? "*" : "";
    }
    return *chosen;
}

// The column's bounds correct a value with a beep.
CNumber BoundNumber(const ColumnRecord& column, CNumber value, IListHost& host)
{
    if (column.hasMin && value.GetValue().GetUnits() < column.minValue.GetValue().GetUnits()) {
        host.Beep();
        value = column.minValue;
    }
    if (column.hasMax && value.GetValue().GetUnits() > column.maxValue.GetValue().GetUnits()) {
        host.Beep();
        value = column.maxValue;
    }
    return value;
}

CDateEx BoundDate(const ColumnRecord& column, CDateEx date, IListHost& host)
{
    if (column.hasMinDate && column.minDate.IsValid() && date.GetValue() < column.minDate.GetValue()) {
        host.Beep();
        date = column.minDate;
    }
    if (column.hasMaxDate && column.maxDate.IsValid() && date.GetValue() > column.maxDate.GetValue()) {
        host.Beep();
        date = column.maxDate;
    }
    return date;
}

CString DateRefusal(const ColumnRecord& column, const CString& text)
{
    static const char* const kinds[] = {"日付", "時刻", "日付時刻"};
    const int kind = column.dateKind >= 0 && column.dateKind <= 2 ? column.dateKind : 0;
    CString reason;
    reason.Format("%s は%sとして変換できません", text.GetString(), kinds[kind]);
    return reason;
}

CString CanonicalText(const ColumnRecord& column, const CellValue& value, int mode)
{
    switch (column.type) {
    case kTypeYesNo:
        return value.yesNo ? "true" : "false";
    case kTypeText:
    case kTypeMark:
        return value.text;
    case kTypeNumber:
        return value.number.Format(column.thousands, column.decimals,
                                   mode == kOutputFind ? true : column.showZero);
    case kTypeDate:
        if (!value.date.IsValid()) {
            return CString();
        }
        return column.datePattern.IsEmpty()
                   ? value.date.Format(CCellCodec::DefaultStrftimePattern(column.dateKind))
                   : value.date.FormatDate(column.datePattern);
    default:
        return CString();
    }
}

} // namespace

CString CCellCodec::Format(const ColumnRecord& column, const CellValue& cell, int mode)
{
    switch (column.type) {
    case kTypeYesNo:
        return FormatYesNo(column, cell.yesNo, mode);
    case kTypeText:
        return cell.text;
    case kTypeMark:
        return mode == kOutputWeb ? MarkForWeb(cell.text) : cell.text;
    case kTypeNumber:
        return FormatNumber(column, cell.number, mode);
    case kTypeDate:
        return FormatDate(column, cell.date, mode);
    default:
        return CString();
    }
}

CString CCellCodec::Parse(const ColumnRecord& column, CellValue& target, const CString& text, int mode,
                          IListHost& host, CString* refusal)
{
    ParseValue(column, target, text.view(), host, refusal);
    return CanonicalText(column, target, mode);
}

bool CCellCodec::ParseValue(const ColumnRecord& column, CellValue& target, std::string_view text,
                            IListHost& host, CString* refusal)
{
    CString reason;
    switch (column.type) {
    case kTypeYesNo: {
        const CString word(text);
        target.yesNo = std::atoi(word) != 0 || word.CompareNoCase("true") == 0;
        break;
    }
    case kTypeText:
    case kTypeMark:
        target.text = CString(text);
        break;
    case kTypeNumber: {
        // A blank text stores 0.
        const CString expression(text);
        CNumber value(0);
        if (!CString(expression).Trim().IsEmpty()) {
            value.ParseExpression(expression);
        }
        if (value.GetErrorCode() != CNumber::errorNone || !value.IsValid()) {
            // The evaluator names the piece of a sum or product it could not read; the user is
            // told of the whole text typed.
            constexpr std::string_view kNoNumber = " は数値として変換できません";
            reason = value.GetErrorMessage();
            if (reason.IsEmpty() || reason.view().ends_with(kNoNumber)) {
                reason = expression + CString(kNoNumber);
            }
        } else {
            target.number = BoundNumber(column, value, host);
        }
        break;
    }
    case kTypeDate: {
        // A blank text empties the cell.
        CDateEx date;
        if (date.ParseDateTime(text, column.dateKind == 1)) {
            target.date = BoundDate(column, date, host);
        } else if (CString(text).Trim().IsEmpty()) {
            target.date = date;
        } else {
            reason = DateRefusal(column, CString(text));
        }
        break;
    }
    default:
        break;
    }
    if (!reason.IsEmpty()) {
        host.Beep();
    }
    if (refusal != nullptr) {
        *refusal = reason;
    }
    return reason.IsEmpty();
}

CString CCellCodec::PasteRefusal(const ColumnRecord& column, const CString& text)
{
    CString reason;
    if (column.type == kTypeYesNo) {
        // A whole number may stand between spaces, which Parse passes over; a word may not.
        CString number = text;
        number.Trim();
        const std::string_view digits = number.view().substr(number.Left(1) == "-" || number.Left(1) == "+");
        const bool whole =
            !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
        if (!number.IsEmpty() && !whole && text.CompareNoCase("true") != 0 &&
            text.CompareNoCase("false") != 0) {
            reason.Format("%s はYes/Noとして変換できません", text.GetString());
        }
    } else if (column.type == kTypeMark && text.FindOneOf("\r\n") >= 0) {
        reason = "記号の項目には改行を入力できません";
    }
    return reason;
}

const char* CCellCodec::DefaultDatePattern(int dateKind)
{
    switch (dateKind) {
    case 1:
        return "HH:NN:SS";
    case 2:
        return "YYYY/MM/DD HH:NN:SS";
    default:
        return "YYYY/MM/DD";
    }
}

const char* CCellCodec::DefaultStrftimePattern(int dateKind)
{
    switch (dateKind) {
    case 1:
        return "%H:%M:%S";
    case 2:
        return "%Y/%m/%d %H:%M:%S";
    default:
        return "%Y/%m/%d";
    }
}

CString CCellCodec::Format(const ColumnRecord& column, const RowCells& cells, int slot, int mode)
{
    if (column.type == kTypeText || (column.type == kTypeMark && mode != kOutputWeb)) {
        return CString(cells.Text(slot));
    }
    CellValue value;
    cells.Read(slot, value);
    return Format(column, value, mode);
}
