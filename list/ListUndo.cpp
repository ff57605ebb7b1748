#include "list/ListUndo.h"

#include "list/IListHost.h"
#include "list/IListView.h"
#include "list/ZantobyDoc.h"
#include "platform/FileSystem.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace {

// Snapshot files hold 32-bit little-endian integers, as the program writes and reads them itself.
template <class T> void Put(std::string& image, T value)
{
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    image.append(bytes, sizeof(T));
}

void PutText(std::string& image, const CString& text)
{
    Put<std::int32_t>(image, text.GetLength());
    image.append(text.GetString(), text.GetLength());
}

void PutDate(std::string& image, const CDateEx& date)
{
    COleDateTime::Parts parts;
    bool valid = date.IsValid() && date.GetValue().GetParts(parts);
    Put<std::uint8_t>(image, static_cast<std::uint8_t>(valid ? COleDateTime::valid : date.GetStatus()));
    if (valid) {
        for (int part : {parts.year, parts.month, parts.day, parts.hour, parts.minute, parts.second}) {
            Put<std::int32_t>(image, part);
        }
    }
}

void PutNumber(std::string& image, const CNumber& number)
{
    Put<std::int64_t>(image, number.GetValue().GetUnits());
    Put<std::uint8_t>(image, static_cast<std::uint8_t>(number.GetValue().GetStatus()));
}

// Reads a snapshot image front to back; every read fails once the image is used up.
class ImageReader
{
  public:
    explicit ImageReader(const std::string& image) : m_image(image) {}

    template <class T> bool Get(T& value)
    {
        if (m_image.size() - m_pos < sizeof(T)) {
            return false;
        }
        std::memcpy(&value, m_image.data() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return true;
    }

    bool GetInt(int& value)
    {
        std::int32_t v = 0;
        if (!Get(v)) {
            return false;
        }
        value = v;
        return true;
    }

    bool GetFlag(bool& value)
    {
        std::uint8_t v = 0;
        if (!Get(v)) {
            return false;
        }
        value = v != 0;
        return true;
    }

    bool GetText(CString& text)
    {
        int length = 0;
        if (!GetInt(length) || length < 0 || m_image.size() - m_pos < static_cast<size_t>(length)) {
            return false;
        }
        text = CString(m_image.data() + m_pos, length);
        m_pos += length;
        return true;
    }

    bool GetDate(CDateEx& date)
    {
        std::uint8_t status = 0;
        if (!Get(status)) {
            return false;
        }
        date = CDateEx();
        if (status != COleDateTime::valid) {
            COleDateTime value;
            value.SetStatus(static_cast<COleDateTime::DateTimeStatus>(status));
            date.SetValue(value);
            return true;
        }
        int parts[6];
        for (int& part : parts) {
            if (!GetInt(part)) {
                return false;
            }
        }
        date.SetDateTime(parts[0], parts[1], parts[2], parts[3], parts[4], parts[5]);
        return true;
    }

    bool GetNumber(CNumber& number)
    {
        std::int64_t units = 0;
        std::uint8_t status = 0;
        if (!Get(units) || !Get(status)) {
            return false;
        }
        number = CNumber();
        number.SetValue(COleCurrency(units, static_cast<COleCurrency::CurrencyStatus>(status)));
        return true;
    }

    bool AtEnd() const { return m_pos >= m_image.size(); }

  private:
    const std::string& m_image;
    size_t m_pos = 0;
};

// Milliseconds of a steady clock, made unique within the process so that two lists that take
// their first snapshot in the same millisecond never share a file prefix.
unsigned NextTick()
{
    static unsigned last = 0;
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    unsigned tick = static_cast<unsigned>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
    if (tick <= last) {
        tick = last + 1;
    }
    last = tick;
    return tick;
}

CString FileTitle(const CString& path)
{
    CString name = path.Mid(path.ReverseFind('/') + 1);
    int dot = name.ReverseFind('.');
    return dot >= 0 ? name.Left(dot) : name;
}

} // namespace

CListUndo::~CListUndo()
{
    // Steps of a closed list can never be used again.
    DeleteFiles(0);
}

CString CListUndo::StepFile(int step, int phase) const
{
    CString path;
    path.Format("%s%05d.%c", undoBase.GetString(), step, phase == 0 ? 'A' : 'B');
    return path;
}

void CListUndo::MakeBase()
{
    undoBase.Format("%sZantoby_%s_%08x_", m_doc.tempFolder.GetString(),
                    FileTitle(m_doc.GetPathName()).GetString(), NextTick());
}

void CListUndo::RemoveStep(int step)
{
    for (int phase = 0; phase < 2; ++phase) {
        std::error_code ignored;
        std::filesystem::remove(FileSystem::ToNative(StepFile(step, phase)), ignored);
    }
}

bool CListUndo::DeleteFiles(int firstStep)
{
    firstStep = std::max(firstStep, 0);
    if (!undoBase.IsEmpty()) {
        for (int step = m_oldestStep; step <= firstStep - kMaxSteps; ++step) {
            RemoveStep(step);
        }
        for (int step = firstStep; step < undoStepCount; ++step) {
            RemoveStep(step);
        }
    }
    if (firstStep >= kMaxSteps) {
        m_oldestStep = std::max(m_oldestStep, firstStep - kMaxSteps + 1);
    }
    m_oldestStep = std::min(m_oldestStep, firstStep);
    undoStepCount = firstStep;
    undoStep = firstStep;
    return true;
}

void CListUndo::AppendHeader(std::string& image) const
{
    image.reserve(image.size() + 12 + 4 * kMaxDisplayRows + 8 * kMaxColumns);
    Put<std::int32_t>(image, m_doc.currentColumn);
    Put<std::int32_t>(image, m_doc.currentRow);
    Put<std::int32_t>(image, m_doc.displayCount);
    // All 10,000 positions in one piece.
    static_assert(sizeof(int) == sizeof(std::int32_t));
    image.append(reinterpret_cast<const char*>(m_doc.displayOrder.data()), sizeof(int) * m_doc.displayOrder.size());
    for (const SortKeyEntry& key : m_doc.sortKeys) {
        Put<std::int32_t>(image, key.column);
        Put<std::uint8_t>(image, key.descending ? 1 : 0);
        image.append(3, '\0');
    }
}

void CListUndo::AppendRowImage(std::string& image, int row) const
{
    if (row < 0 || row >= kMaxRows) {
        return;
    }
    const ProductRecord& record = m_doc.GetRow(row);
    Put<std::int32_t>(image, row);
    Put<std::uint8_t>(image, record.inUse ? 1 : 0);
    Put<std::int32_t>(image, record.rowHeight);
    Put<std::uint8_t>(image, record.autoHeight ? 1 : 0);
    Put<std::int32_t>(image, record.photoCount);
    for (int photo : record.photos) {
        Put<std::int32_t>(image, photo);
    }
    PutDate(image, record.lastChange);
    // A row that never held a value has no cells to write.
    bool hasCells = record.HasCells();
    Put<std::uint8_t>(image, hasCells ? 1 : 0);
    if (!hasCells) {
        return;
    }
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        const CellRecord& cell = record.GetCell(slot);
        PutNumber(image, cell.number);
        PutDate(image, cell.date);
        Put<std::uint8_t>(image, cell.yesNo ? 1 : 0);
        Put<std::uint32_t>(image, cell.textColor);
        Put<std::uint32_t>(image, cell.backColor);
    }
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        PutText(image, record.GetCell(slot).text);
    }
}

bool CListUndo::WriteFile(const CString& path, const std::string& image, bool append)
{
    FILE* file = FileSystem::OpenStream(path, append ? "ab" : "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(image.data(), 1, image.size(), file) == image.size();
    written = std::fclose(file) == 0 && written;
    return written;
}

bool CListUndo::SaveSnapshot(int kind, int row, int phase)
{
    if (!undoOn || kind == 0) {
        return false;
    }
    if (phase == 0) {
        if (kind != 2) {
            ++undoDepth;
        }
        if (undoDepth > 1) {
            return false;
        }
    } else {
        if (kind != 2) {
            // An unbalanced end call must not leave later edits looking nested.
            undoDepth = std::max(undoDepth - 1, 0);
        }
        if (undoDepth > 0) {
            return false;
        }
    }
    if (m_doc.tempFolder.IsEmpty()) {
        // Without a temporary folder no snapshot can be made.
        undoOn = false;
        return false;
    }
    try {
        if (undoBase.IsEmpty()) {
            MakeBase();
        }
        int step = (kind == 2 && phase == 1) ? undoStep - 1 : undoStep;
        if (kind != 2 && phase == 0) {
            DeleteFiles(undoStep);
        }
        std::string image;
        if (kind != 2) {
            AppendHeader(image);
        }
        if (kind == 3) {
            for (int i = 0; i < m_doc.displayCount; ++i) {
                AppendRowImage(image, m_doc.displayOrder[i]);
            }
        } else {
            AppendRowImage(image, row);
        }
        if (!WriteFile(StepFile(step, phase), image, kind == 2)) {
            undoOn = false;
            return false;
        }
        if (kind != 2 && phase == 1) {
            ++undoStep;
            ++undoStepCount;
        }
        return true;
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, "ZantobyDoc", __LINE__);
        undoOn = false;
        return false;
    }
}

bool CListUndo::ReadImage(const std::string& image)
{
    ImageReader reader(image);
    int column = 0;
    int row = 0;
    int count = 0;
    if (!reader.GetInt(column) || !reader.GetInt(row) || !reader.GetInt(count)) {
        return false;
    }
    std::vector<int> order(kMaxDisplayRows);
    for (int& entry : order) {
        if (!reader.GetInt(entry)) {
            return false;
        }
    }
    std::array<SortKeyEntry, kMaxColumns> keys;
    for (SortKeyEntry& key : keys) {
        std::uint8_t descending = 0;
        std::uint8_t padding[3];
        if (!reader.GetInt(key.column) || !reader.Get(descending) || !reader.Get(padding)) {
            return false;
        }
        key.descending = descending != 0;
    }
    m_doc.displayCount = std::clamp(count, 0, kMaxDisplayRows);
    m_doc.displayOrder = std::move(order);
    m_doc.sortKeys = keys;

    bool intact = true;
    while (intact && !reader.AtEnd()) {
        int index = -1;
        if (!reader.GetInt(index) || index < 0 || index >= kMaxRows) {
            intact = false;
            break;
        }
        ProductRecord& record = m_doc.GetRow(index);
        record.Reset();
        bool hasCells = false;
        intact = reader.GetFlag(record.inUse) && reader.GetInt(record.rowHeight) &&
                 reader.GetFlag(record.autoHeight) && reader.GetInt(record.photoCount);
        for (int& photo : record.photos) {
            intact = intact && reader.GetInt(photo);
        }
        intact = intact && reader.GetDate(record.lastChange) && reader.GetFlag(hasCells);
        if (!intact || !hasCells) {
            continue;
        }
        for (int slot = 0; slot < kMaxColumns && intact; ++slot) {
            CellRecord& cell = record.Cell(slot);
            std::uint32_t textColor = 0;
            std::uint32_t backColor = 0;
            intact = reader.GetNumber(cell.number) && reader.GetDate(cell.date) &&
                     reader.GetFlag(cell.yesNo) && reader.Get(textColor) && reader.Get(backColor);
            cell.textColor = textColor;
            cell.backColor = backColor;
        }
        for (int slot = 0; slot < kMaxColumns && intact; ++slot) {
            intact = reader.GetText(record.Cell(slot).text);
        }
    }
    // A line on which new rows are typed belongs at the end of the display; the after image of
    // the first entry on that line was taken before the line moved down.
    m_doc.AppendNewRowLine();
    ListHintArg position;
    position.column = column;
    position.row = row;
    m_doc.UpdateAllViews(nullptr, kHintGoToPosition, &position);
    return intact;
}

void CListUndo::Restore(int phase)
{
    try {
        FILE* file = FileSystem::OpenStream(StepFile(undoStep, phase), "rb");
        if (file == nullptr) {
            undoOn = false;
            return;
        }
        std::string image;
        char buffer[65536];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof(buffer), file)) > 0) {
            image.append(buffer, got);
        }
        std::fclose(file);
        if (!ReadImage(image)) {
            undoOn = false;
        }
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, "ZantobyDoc", __LINE__);
        undoOn = false;
    }
}

bool CListUndo::Undo()
{
    if (!CanUndo()) {
        return false;
    }
    --undoStep;
    Restore(0);
    return true;
}

bool CListUndo::Redo()
{
    if (!CanRedo()) {
        return false;
    }
    Restore(1);
    ++undoStep;
    return true;
}

void CListUndo::SwitchOn()
{
    Reset();
    undoOn = true;
}

void CListUndo::Reset()
{
    DeleteFiles(0);
    undoBase.Empty();
    undoDepth = 0;
}
