#include "app/editing/AutoInput.h"

#include "foundation/Number.h"
#include "foundation/OleDateTime.h"
#include "foundation/StringArrayEx.h"
#include "list/IListHost.h"
#include "list/ZantobyDoc.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace {

constexpr const char* kDateFormat = "%Y/%m/%d %H:%M:%S";
constexpr int64_t kSecondsPerDay = 86400;
// Longer digit runs do not count on: their values would not fit.
constexpr int kMaxCounterDigits = 18;

std::optional<CNumber> ReadNumber(const CString& text)
{
    if (text.IsEmpty()) {
        return std::nullopt;
    }
    CNumber number;
    number.ParseExpression(text);
    if (number.GetErrorCode() != 0 || !number.IsValid()) {
        return std::nullopt;
    }
    return number;
}

// A moment as a day number and the seconds of its day.
struct Moment
{
    COleDateTime::Parts parts;
    int64_t day = 0;
    int64_t seconds = 0;
};

std::optional<Moment> ReadDate(const CString& text)
{
    COleDateTime date;
    Moment moment;
    if (text.IsEmpty() || !date.ParseDateTime(text.view()) || !date.GetParts(moment.parts)) {
        return std::nullopt;
    }
    moment.day = COleDateTime::DayNumber(moment.parts.year, moment.parts.month, moment.parts.day);
    moment.seconds = moment.parts.hour * 3600 + moment.parts.minute * 60 + moment.parts.second;
    return moment;
}

CString WriteDate(int64_t day, int64_t seconds)
{
    COleDateTime date;
    return date.SetDayNumber(day, seconds) == 0 ? date.Format(kDateFormat) : CString();
}

CString AddMonths(const CString& text, int months)
{
    const std::optional<Moment> moment = ReadDate(text);
    if (!moment) {
        return CString();
    }
    const COleDateTime::Parts& p = moment->parts;
    CDateEx shifted;
    shifted.SetDateTime(p.year, p.month + months, p.day, p.hour, p.minute, p.second);
    return shifted.Format(kDateFormat);
}

bool IsDigitRun(const CString& run)
{
    return !run.IsEmpty() && run[0] >= '0' && run[0] <= '9';
}

bool IsCounter(const CString& run)
{
    return IsDigitRun(run) && run.GetLength() <= kMaxCounterDigits;
}

int64_t RunValue(const CString& run)
{
    int64_t value = 0;
    for (int i = 0; i < run.GetLength(); ++i) {
        value = value * 10 + (run[i] - '0');
    }
    return value;
}

CString CounterText(int64_t value, int width)
{
    CString text;
    text.Format("%0*lld", width, static_cast<long long>(value));
    return text;
}

// Runs joined, the counter run replaced.
CString Join(const CStringArrayEx& runs, int counter, const CString& value)
{
    CString text;
    for (int i = 0; i < runs.GetSize(); ++i) {
        text += i == counter ? value : runs[i];
    }
    return text;
}

} // namespace

std::vector<CString> CAutoInput::NumberSeries(const std::vector<CString>& sources, int count, int direction,
                                              bool oneCellSeries, int decimals)
{
    std::vector<CString> targets;
    CNumber start;
    CNumber step;
    if (sources.size() == 2) {
        const auto first = ReadNumber(sources[0]);
        const auto second = ReadNumber(sources[1]);
        if (!first || !second) {
            return targets;
        }
        start = *second;
        step = *second - *first;
    } else if (sources.size() == 1 && oneCellSeries) {
        const auto only = ReadNumber(sources[0]);
        if (!only) {
            return targets;
        }
        start = *only;
        step = CNumber(direction);
    } else {
        return targets;
    }
    CNumber value = start;
    for (int k = 0; k < count; ++k) {
        value = value + step;
        targets.push_back(value.Format(false, decimals, true));
    }
    return targets;
}

std::vector<CString> CAutoInput::DateSeries(const std::vector<CString>& sources, int count, int direction,
                                            bool oneCellSeries, const CString& pattern, bool hasTime)
{
    std::vector<CString> targets;
    if (sources.size() == 2) {
        const auto first = ReadDate(sources[0]);
        const auto second = ReadDate(sources[1]);
        if (!first || !second) {
            return targets;
        }
        const int64_t span = (second->day - first->day) * kSecondsPerDay + second->seconds - first->seconds;
        const int months =
            (second->parts.year - first->parts.year) * 12 + second->parts.month - first->parts.month;
        CString value = sources[1];
        if (span != 0 && span % kSecondsPerDay == 0 && first->parts.day == second->parts.day && months != 0) {
            for (int k = 0; k < count; ++k) {
                value = AddMonths(value, months);
                targets.push_back(value);
            }
            return targets;
        }
        for (int k = 1; k <= count; ++k) {
            targets.push_back(WriteDate(second->day, second->seconds + span * k));
        }
        return targets;
    }
    if (sources.size() != 1 || !oneCellSeries) {
        return targets;
    }
    const auto only = ReadDate(sources[0]);
    if (!only) {
        return targets;
    }
    int64_t seconds = 0;
    int months = 0;
    if (pattern.IsEmpty()) {
        seconds = hasTime ? 1 : kSecondsPerDay;
    } else if (pattern.Find('S') >= 0) {
        seconds = 1;
    } else if (pattern.Find('N') >= 0) {
        seconds = 60;
    } else if (pattern.Find('H') >= 0) {
        seconds = 3600;
    } else if (pattern.Find('D') >= 0) {
        seconds = kSecondsPerDay;
    } else if (pattern.Find('M') >= 0) {
        months = 1;
    } else {
        return targets;
    }
    CString value = sources[0];
    for (int k = 1; k <= count; ++k) {
        if (months != 0) {
            value = AddMonths(value, months * direction);
            targets.push_back(value);
        } else {
            targets.push_back(WriteDate(only->day, only->seconds + seconds * direction * k));
        }
    }
    return targets;
}

std::vector<CString> CAutoInput::TextSeries(const std::vector<CString>& sources, int count, int direction,
                                            bool oneCellSeries)
{
    std::vector<CString> targets;
    CStringArrayEx runs;
    int counter = -1;
    int64_t start = 0;
    int64_t step = 0;
    int width = 0;
    if (sources.size() == 1 && oneCellSeries) {
        runs.SplitDigitRuns(sources[0]);
        for (int i = 0; i < runs.GetSize(); ++i) {
            if (IsDigitRun(runs[i])) {
                counter = i;
            }
        }
        if (counter < 0 || !IsCounter(runs[counter])) {
            return targets;
        }
        start = RunValue(runs[counter]);
        step = direction;
        width = runs[counter][0] == '0' ? runs[counter].GetLength() : 0;
    } else if (sources.size() == 2) {
        CStringArrayEx second;
        runs.SplitDigitRuns(sources[0]);
        second.SplitDigitRuns(sources[1]);
        if (runs.GetSize() != second.GetSize()) {
            return targets;
        }
        for (int i = 0; i < runs.GetSize(); ++i) {
            if (!IsDigitRun(runs[i])) {
                if (runs[i] != second[i]) {
                    break;
                }
                continue;
            }
            if (!IsDigitRun(second[i])) {
                break;
            }
            if (runs[i] == second[i]) {
                continue;
            }
            if (!IsCounter(runs[i]) || !IsCounter(second[i]) || RunValue(runs[i]) == RunValue(second[i])) {
                break;
            }
            counter = i;
        }
        if (counter < 0) {
            return targets;
        }
        const CString& a = runs[counter];
        const CString& b = second[counter];
        start = RunValue(b);
        step = RunValue(b) - RunValue(a);
        width = a.GetLength() == b.GetLength() && (a[0] == '0' || b[0] == '0') ? a.GetLength() : 0;
    } else {
        return targets;
    }
    for (int k = 1; k <= count; ++k) {
        targets.push_back(Join(runs, counter, CounterText(start + step * k, width)));
    }
    return targets;
}

CAutoInput::Result CAutoInput::Fill(const Block& block, int endLine, bool oneCellSeries)
{
    Result result;
    if (endLine >= block.top && endLine <= block.bottom) {
        return result;
    }
    const int direction = endLine > block.bottom ? 1 : -1;
    for (int line = direction > 0 ? block.bottom + 1 : block.top - 1;
         direction > 0 ? line <= endLine : line >= endLine; line += direction) {
        if (line >= 0 && line < m_doc.displayCount) {
            result.lines.push_back(line);
        }
    }
    if (result.lines.empty()) {
        return result;
    }
    IListHost& host = m_doc.Host();
    host.SetWaitCursor(true);
    CListGridEdits edits(m_doc);
    edits.BeginLinesUndo(result.lines);
    const int count = static_cast<int>(result.lines.size());
    for (int column = block.left; column <= block.right && column < m_doc.columnCount; ++column) {
        const ColumnRecord& definition = m_doc.GetColumn(column);
        std::vector<CString> sources;
        for (int i = 0; i <= block.bottom - block.top; ++i) {
            const int line = direction > 0 ? block.top + i : block.bottom - i;
            if (definition.type == kTypeDate) {
                int slot = -1;
                int row = -1;
                m_doc.MapDisplayCell(column, line, slot, row);
                const bool dated = slot >= 0 && row >= 0 && m_doc.GetRow(row).GetCell(slot).date.IsValid();
                sources.push_back(dated ? m_doc.GetRow(row).GetCell(slot).date.Format(kDateFormat)
                                        : CString());
            } else {
                sources.push_back(m_doc.GetCellTextAt(
                    column, line, definition.type == kTypeNumber ? kOutputCgi : kOutputGrid));
            }
        }
        std::vector<CString> targets;
        switch (definition.type) {
        case kTypeNumber:
            targets = NumberSeries(sources, count, direction, oneCellSeries, definition.decimals);
            break;
        case kTypeDate:
            targets = DateSeries(sources, count, direction, oneCellSeries, definition.datePattern,
                                 definition.dateKind != 0);
            break;
        case kTypeText:
        case kTypeMark:
            targets = TextSeries(sources, count, direction, oneCellSeries);
            break;
        default:
            break;
        }
        bool dropListGrew = false;
        for (int k = 0; k < count; ++k) {
            const CString& text = targets.empty() ? sources[k % sources.size()] : targets[k];
            m_doc.SetCellTextAt(column, result.lines[k], text);
            if (definition.type == kTypeText || definition.type == kTypeMark) {
                dropListGrew = edits.AddToAutoDropList(column, text) || dropListGrew;
            }
        }
        if (dropListGrew) {
            result.dropListsGrew.push_back(column);
        }
    }
    edits.EndLinesUndo(result.lines);
    m_doc.SetModifiedFlag();
    m_doc.AppendNewRowLine();
    host.SetWaitCursor(false);
    return result;
}
