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
#include <limits>
#include <string_view>
#include <utility>

namespace {

// Snapshot files hold 32-bit little-endian integers, as the program writes and reads them itself.
template <class T> void Put(std::string& image, T value)
{
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    image.append(bytes, sizeof(T));
}

void PutDate(std::string& image, const COleDateTime& date)
{
    Put<std::uint8_t>(image, static_cast<std::uint8_t>(date.GetStatus()));
    Put<double>(image, date.GetValue());
}

// A snapshot file is written in pieces of this size, so that an image of every row never needs
// to be held whole.
constexpr size_t kPieceBytes = 1 << 20;

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

    // A text by its length, left where it lies in the image.
    bool GetText(std::string_view& text)
    {
        int length = 0;
        if (!GetInt(length) || length < 0 || m_image.size() - m_pos < static_cast<size_t>(length)) {
            return false;
        }
        text = std::string_view(m_image).substr(m_pos, length);
        m_pos += length;
        return true;
    }

    bool GetDate(COleDateTime& date)
    {
        std::uint8_t status = 0;
        double serial = 0;
        if (!Get(status) || !Get(serial) || status > COleDateTime::null) {
            return false;
        }
        date = COleDateTime(serial, static_cast<COleDateTime::DateTimeStatus>(status));
        return true;
    }

    bool GetNumber(COleCurrency& number)
    {
        std::uint8_t status = 0;
        std::int64_t units = 0;
        if (!Get(status) || !Get(units) || status > COleCurrency::null) {
            return false;
        }
        number = COleCurrency(units, static_cast<COleCurrency::CurrencyStatus>(status));
        return true;
    }

    bool AtEnd() const { return m_pos >= m_image.size(); }
    size_t Remaining() const { return m_image.size() - m_pos; }

  private:
    const std::string& m_image;
    size_t m_pos = 0;
};

// The cells of a row image into its row; false when the image is damaged.
bool ReadCells(ImageReader& reader, ProductRecord& record)
{
    int values = 0;
    std::uint32_t textBytes = 0;
    if (!reader.GetInt(values) || !reader.Get(textBytes) || values < 0 || values > kMaxColumns ||
        textBytes > reader.Remaining()) {
        return false;
    }
    if (values > 0) {
        record.EditCells().Reserve(values, textBytes);
    }
    for (int i = 0; i < values; ++i) {
        std::uint8_t slot = 0;
        std::uint8_t kind = 0;
        if (!reader.Get(slot) || !reader.Get(kind) || slot >= kMaxColumns) {
            return false;
        }
        RowCells& cells = record.EditCells();
        bool intact = true;
        std::string_view text;
        COleCurrency number;
        COleDateTime date(0, COleDateTime::null);
        switch (static_cast<RowCells::Kind>(kind)) {
        case RowCells::Kind::Text:
            intact = reader.GetText(text);
            cells.SetText(slot, text);
            break;
        case RowCells::Kind::Number:
            intact = reader.GetNumber(number);
            cells.SetNumber(slot, number);
            break;
        case RowCells::Kind::Date:
            intact = reader.GetDate(date);
            cells.SetDate(slot, date);
            break;
        case RowCells::Kind::YesNo:
            cells.SetYesNo(slot, true);
            break;
        default:
            intact = false;
            break;
        }
        if (!intact) {
            return false;
        }
    }
    for (;;) {
        std::uint8_t slot = 0;
        if (!reader.Get(slot)) {
            return false;
        }
        if (slot >= kMaxColumns) {
            return true;
        }
        std::uint32_t text = 0;
        std::uint32_t back = 0;
        if (!reader.Get(text) || !reader.Get(back)) {
            return false;
        }
        record.EditCells().SetColors(slot, text, back);
    }
}

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

void CListUndo::ForgetDefinitions(int first, int end)
{
    std::erase_if(m_definitions, [first, end](const auto& entry) {
        return entry.first.first >= first && entry.first.first < end;
    });
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
    if (!FlushPending()) {
        undoOn = false;
    }
    firstStep = std::max(firstStep, 0);
    if (!undoBase.IsEmpty()) {
        for (int step = m_oldestStep; step <= firstStep - kMaxSteps; ++step) {
            RemoveStep(step);
        }
        for (int step = firstStep; step < undoStepCount; ++step) {
            RemoveStep(step);
        }
    }
    ForgetDefinitions(m_oldestStep, firstStep - kMaxSteps + 1);
    ForgetDefinitions(firstStep, std::numeric_limits<int>::max());
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
    image.append(reinterpret_cast<const char*>(m_doc.displayOrder.data()),
                 sizeof(int) * m_doc.displayOrder.size());
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
    PutDate(image, record.lastChange.GetValue());
    // The cells as the row keeps them: the values it holds in slot order, then its colours.
    const RowCells& cells = record.Cells();
    Put<std::int32_t>(image, cells.ValueCount());
    Put<std::uint32_t>(image, static_cast<std::uint32_t>(cells.TextBytes()));
    for (int slot = 0; slot < kMaxColumns; ++slot) {
        const RowCells::Kind kind = cells.KindAt(slot);
        if (kind == RowCells::Kind::Empty) {
            continue;
        }
        Put<std::uint8_t>(image, static_cast<std::uint8_t>(slot));
        Put<std::uint8_t>(image, static_cast<std::uint8_t>(kind));
        switch (kind) {
        case RowCells::Kind::Text: {
            const std::string_view text = cells.Text(slot);
            Put<std::int32_t>(image, static_cast<std::int32_t>(text.size()));
            image.append(text);
            break;
        }
        case RowCells::Kind::Number: {
            const COleCurrency number = cells.Number(slot);
            Put<std::uint8_t>(image, static_cast<std::uint8_t>(number.GetStatus()));
            Put<std::int64_t>(image, number.GetUnits());
            break;
        }
        case RowCells::Kind::Date:
            PutDate(image, cells.Date(slot));
            break;
        default:
            break;
        }
    }
    const int colours = cells.HasColours() ? kMaxColumns : 0;
    for (int slot = 0; slot < colours; ++slot) {
        const COLORREF text = cells.TextColor(slot);
        const COLORREF back = cells.BackColor(slot);
        if (text != kDefaultColor || back != kDefaultColor) {
            Put<std::uint8_t>(image, static_cast<std::uint8_t>(slot));
            Put<std::uint32_t>(image, text);
            Put<std::uint32_t>(image, back);
        }
    }
    // The list of colours ends with a slot past the last.
    Put<std::uint8_t>(image, static_cast<std::uint8_t>(kMaxColumns));
}

bool CListUndo::WriteFile(const CString& path, int kind, int row)
{
    FILE* file = FileSystem::OpenStream(path, "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = true;
    std::string image;
    auto writePiece = [&] {
        written = written && std::fwrite(image.data(), 1, image.size(), file) == image.size();
        image.clear();
    };
    try {
        AppendHeader(image);
        if (kind == 3) {
            image.reserve(kPieceBytes * 2);
            for (int i = 0; i < m_doc.displayCount; ++i) {
                AppendRowImage(image, m_doc.displayOrder[i]);
                if (image.size() >= kPieceBytes) {
                    writePiece();
                }
            }
        } else if (kind == 4) {
            image.reserve(kPieceBytes * 2);
            for (int index = 0; index < m_doc.RowReach(); ++index) {
                if (m_doc.GetRow(index).inUse) {
                    AppendRowImage(image, index);
                }
                if (image.size() >= kPieceBytes) {
                    writePiece();
                }
            }
        } else {
            AppendRowImage(image, row);
        }
        writePiece();
    } catch (...) {
        std::fclose(file);
        throw;
    }
    return std::fclose(file) == 0 && written;
}

bool CListUndo::AppendRow(const CString& path, int row)
{
    if (path != m_pendingPath && !FlushPending()) {
        return false;
    }
    m_pendingPath = path;
    AppendRowImage(m_pending, row);
    return m_pending.size() < kPieceBytes || FlushPending();
}

bool CListUndo::FlushPending()
{
    if (m_pending.empty()) {
        return true;
    }
    const std::string piece = std::exchange(m_pending, std::string());
    FILE* file = FileSystem::OpenStream(m_pendingPath, "ab");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(piece.data(), 1, piece.size(), file) == piece.size();
    return std::fclose(file) == 0 && written;
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
        const bool written = kind == 2 ? AppendRow(StepFile(step, phase), row)
                                       : FlushPending() && WriteFile(StepFile(step, phase), kind, row);
        if (!written) {
            undoOn = false;
            return false;
        }
        if (kind == 4) {
            Definitions& kept = m_definitions[{step, phase}];
            for (int i = 0; i < kMaxColumns; ++i) {
                kept.columns[static_cast<size_t>(i)] = m_doc.GetColumn(i);
            }
            kept.columnCount = m_doc.columnCount;
            kept.lockedColumns = m_doc.lockedColumns;
            kept.title = m_doc.title;
            kept.webSortEntries = m_doc.web.sortEntries;
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
        COleDateTime lastChange;
        intact = reader.GetFlag(record.inUse) && reader.GetInt(record.rowHeight) &&
                 reader.GetFlag(record.autoHeight) && reader.GetInt(record.photoCount);
        for (int& photo : record.photos) {
            intact = intact && reader.GetInt(photo);
        }
        intact = intact && reader.GetDate(lastChange);
        record.lastChange = CDateEx(lastChange);
        intact = intact && ReadCells(reader, record);
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
        if (!FlushPending()) {
            undoOn = false;
            return;
        }
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
        // The definitions first, so that the rows read back under the columns they belong to.
        if (const auto kept = m_definitions.find({undoStep, phase}); kept != m_definitions.end()) {
            for (int i = 0; i < kMaxColumns; ++i) {
                m_doc.GetColumn(i) = kept->second.columns[static_cast<size_t>(i)];
            }
            m_doc.columnCount = kept->second.columnCount;
            m_doc.lockedColumns = kept->second.lockedColumns;
            m_doc.title = kept->second.title;
            m_doc.web.sortEntries = kept->second.webSortEntries;
            m_doc.BuildColumnMap();
            m_doc.UpdateAllViews(nullptr, kHintColumnsAndRows);
        }
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
