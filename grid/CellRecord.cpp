#include "grid/CellRecord.h"

#include "platform/Bitmap.h"
#include "platform/SystemColors.h"
#include "platform/TextMeasurer.h"

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

// Stored numbers never depend on the locale's decimal point.
double ParseNumber(const CString& text)
{
    const char* p = text.GetString();
    const char* end = p + text.GetLength();
    while (p < end && (*p == ' ' || (*p >= '\t' && *p <= '\r'))) {
        ++p;
    }
    if (p < end && *p == '+') {
        ++p;
    }
    double value = 0;
    if (std::from_chars(p, end, value).ec != std::errc()) {
        return 0;
    }
    return value;
}

// Decimals beyond this add only noise digits to a double.
constexpr int kMaxDecimals = 30;

CString FormatNumber(double value, int decimals)
{
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        return CString();
    }
    return CString(buffer, static_cast<int>(result.ptr - buffer));
}

const CString& EmptyText()
{
    static const CString empty;
    return empty;
}

} // namespace

CCellRecord::Rare::Rare(const Rare& other)
    : editMask(other.editMask), label(other.label), selectedFore(other.selectedFore),
      selectedFill(other.selectedFill), pen(other.pen), font(other.font), picture(other.picture),
      object(other.object), linked(other.linked), joinFirst(other.joinFirst), joinColumns(other.joinColumns),
      joinRows(other.joinRows), decimals(other.decimals), readOnly(other.readOnly)
{
    SetExtra(other.extra.get(), other.extraSize);
}

void CCellRecord::Rare::SetExtra(const void* data, int size)
{
    extra.reset();
    extraSize = 0;
    if (data == nullptr || size <= 0) {
        return;
    }
    extra = std::make_unique<unsigned char[]>(size);
    std::memcpy(extra.get(), data, size);
    extraSize = size;
}

CCellRecord::CCellRecord()
{
    ClearProperties();
}

CCellRecord::CCellRecord(const CCellRecord& other)
    : CObject(), m_mask(other.m_mask), m_dataType(other.m_dataType), m_align(other.m_align),
      m_borderStyle(other.m_borderStyle), m_intValue(other.m_intValue), m_typeIndex(other.m_typeIndex),
      m_typeStyle(other.m_typeStyle), m_foreColor(other.m_foreColor), m_fillColor(other.m_fillColor),
      m_text(other.m_text), m_rare(other.m_rare ? std::make_unique<Rare>(*other.m_rare) : nullptr)
{
}

CCellRecord::CCellRecord(CCellRecord&& other) noexcept = default;

CCellRecord& CCellRecord::operator=(const CCellRecord& other)
{
    if (this != &other) {
        CCellRecord copy(other);
        *this = std::move(copy);
    }
    return *this;
}

CCellRecord& CCellRecord::operator=(CCellRecord&& other) noexcept = default;

CCellRecord::~CCellRecord() = default;

CCellRecord::Rare& CCellRecord::More()
{
    if (!m_rare) {
        m_rare = std::make_unique<Rare>();
    }
    return *m_rare;
}

void CCellRecord::ClearProperties()
{
    m_mask = 0;
    m_text.Empty();
    m_intValue = -1;
    m_typeIndex = -1;
    m_typeStyle = static_cast<std::uint32_t>(-1);
    m_rare.reset();
}

void CCellRecord::MergeProperties(const CCellRecord& source, CCellRecord& target)
{
    if (&source == &target) {
        return;
    }
    const std::uint32_t bits = source.m_mask;
    target.m_mask |= bits;
    if (bits & CellMask::Text) {
        target.m_text = source.m_text;
    }
    if (bits & CellMask::DataType) {
        target.m_dataType = source.m_dataType;
    }
    if (bits & CellMask::IntValue) {
        target.m_intValue = source.m_intValue;
    }
    if (bits & CellMask::TypeIndex) {
        target.m_typeIndex = source.m_typeIndex;
    }
    if (bits & CellMask::TypeStyle) {
        target.m_typeStyle = source.m_typeStyle;
    }
    if (bits & CellMask::TextColor) {
        target.m_foreColor = source.m_foreColor;
    }
    if (bits & CellMask::BackColor) {
        target.m_fillColor = source.m_fillColor;
    }
    if (bits & CellMask::BorderStyle) {
        target.m_borderStyle = source.m_borderStyle;
    }
    if (bits & CellMask::Align) {
        target.m_align = source.m_align;
    }
    constexpr std::uint32_t rareBits =
        CellMask::EditMask | CellMask::Label | CellMask::SelectedTextColor | CellMask::SelectedBackColor |
        CellMask::BorderPen | CellMask::Font | CellMask::Picture | CellMask::Extra | CellMask::Join |
        CellMask::CellObject | CellMask::Linked | CellMask::ReadOnly | CellMask::Decimals;
    if ((bits & rareBits) == 0) {
        return;
    }
    static const Rare none;
    const Rare& from = source.m_rare ? *source.m_rare : none;
    Rare& to = target.More();
    if (bits & CellMask::EditMask) {
        to.editMask = from.editMask;
    }
    if (bits & CellMask::Label) {
        to.label = from.label;
    }
    if (bits & CellMask::SelectedTextColor) {
        to.selectedFore = from.selectedFore;
    }
    if (bits & CellMask::SelectedBackColor) {
        to.selectedFill = from.selectedFill;
    }
    if (bits & CellMask::BorderPen) {
        to.pen = from.pen;
    }
    if (bits & CellMask::Font) {
        to.font = from.font;
    }
    if (bits & CellMask::Picture) {
        to.picture = from.picture;
    }
    if (bits & CellMask::CellObject) {
        to.object = from.object;
    }
    if (bits & CellMask::Linked) {
        to.linked = from.linked;
    }
    if (bits & CellMask::Join) {
        to.joinFirst = from.joinFirst;
        to.joinColumns = from.joinColumns;
        to.joinRows = from.joinRows;
    }
    if (bits & CellMask::Decimals) {
        to.decimals = from.decimals;
    }
    if (bits & CellMask::ReadOnly) {
        to.readOnly = from.readOnly;
    }
    if (bits & CellMask::Extra) {
        to.SetExtra(from.extra.get(), from.extraSize);
    }
}

void CCellRecord::SetTextValue(const CString& text)
{
    m_text = text;
    m_dataType = CellDataType::Text;
    m_mask |= CellMask::Text | CellMask::DataType;
}

const CString& CCellRecord::GetText() const
{
    return TestMaskBits(CellMask::Text) ? m_text : EmptyText();
}

void CCellRecord::SetLabelString(const CString& label)
{
    More().label = label;
    m_mask |= CellMask::Label;
}

const CString& CCellRecord::GetLabel() const
{
    return TestMaskBits(CellMask::Label) && Less() ? Less()->label : EmptyText();
}

int CCellRecord::GetLabel(CString& target) const
{
    if (!TestMaskBits(CellMask::Label)) {
        return 1;
    }
    target = GetLabel();
    return 0;
}

void CCellRecord::SetEditMask(const CString& mask)
{
    More().editMask = mask;
    m_mask |= CellMask::EditMask;
}

const CString& CCellRecord::GetEditMask() const
{
    return TestMaskBits(CellMask::EditMask) && Less() ? Less()->editMask : EmptyText();
}

void CCellRecord::SetBoolValue(int flag)
{
    m_text = flag ? "1" : "0";
    m_dataType = CellDataType::Bool;
    m_mask |= CellMask::Text | CellMask::DataType;
}

int CCellRecord::GetBoolValue() const
{
    const CString& text = GetText();
    if (text.IsEmpty()) {
        return 0;
    }
    if (text[0] == 'T' || text[0] == 't') {
        return 1;
    }
    return std::strtol(text.GetString(), nullptr, 10) != 0 ? 1 : 0;
}

void CCellRecord::SetNumberValue(double value)
{
    int decimals = 6;
    if (TestMaskBits(CellMask::Decimals) && GetDecimals() >= 0) {
        decimals = GetDecimals() < kMaxDecimals ? GetDecimals() : kMaxDecimals;
    }
    m_text = FormatNumber(value, decimals);
    m_dataType = CellDataType::Number;
    m_mask |= CellMask::Text | CellMask::DataType;
}

double CCellRecord::GetNumberValue() const
{
    return ParseNumber(GetText());
}

void CCellRecord::SetDecimals(int decimals)
{
    More().decimals = decimals;
    m_mask |= CellMask::Decimals;
}

int CCellRecord::GetDecimals() const
{
    return TestMaskBits(CellMask::Decimals) && Less() ? Less()->decimals : 0;
}

void CCellRecord::SetDataType(short type)
{
    m_dataType = type;
    m_mask |= CellMask::DataType;
}

void CCellRecord::SetIntValue(int value)
{
    m_intValue = value;
    m_mask |= CellMask::IntValue;
}

void CCellRecord::SetReadOnly(int flag)
{
    More().readOnly = flag;
    m_mask |= CellMask::ReadOnly;
}

int CCellRecord::IsReadOnly() const
{
    return TestMaskBits(CellMask::ReadOnly) && Less() ? Less()->readOnly : 0;
}

void CCellRecord::SetTypeIndex(int index)
{
    m_typeIndex = index;
    m_mask |= CellMask::TypeIndex;
}

void CCellRecord::SetTypeStyle(std::uint32_t style)
{
    m_typeStyle = style;
    m_mask |= CellMask::TypeStyle;
}

void CCellRecord::SetForeColor(COLORREF color)
{
    m_foreColor = color;
    m_mask |= CellMask::TextColor;
}

COLORREF CCellRecord::GetForeColor() const
{
    return TestMaskBits(CellMask::TextColor) ? m_foreColor : GetSysColor(COLOR_WINDOWTEXT);
}

void CCellRecord::SetFillColor(COLORREF color)
{
    m_fillColor = color;
    m_mask |= CellMask::BackColor;
}

COLORREF CCellRecord::GetFillColor() const
{
    return TestMaskBits(CellMask::BackColor) ? m_fillColor : GetSysColor(COLOR_WINDOW);
}

void CCellRecord::SetSelectedForeColor(COLORREF color)
{
    More().selectedFore = color;
    m_mask |= CellMask::SelectedTextColor;
}

COLORREF CCellRecord::GetSelectedForeColor() const
{
    return TestMaskBits(CellMask::SelectedTextColor) && Less() ? Less()->selectedFore
                                                               : GetSysColor(COLOR_HIGHLIGHTTEXT);
}

void CCellRecord::SetSelectedFillColor(COLORREF color)
{
    More().selectedFill = color;
    m_mask |= CellMask::SelectedBackColor;
}

COLORREF CCellRecord::GetSelectedFillColor() const
{
    return TestMaskBits(CellMask::SelectedBackColor) && Less() ? Less()->selectedFill
                                                               : GetSysColor(COLOR_HIGHLIGHT);
}

void CCellRecord::SetAlignFlags(unsigned short flags)
{
    m_align = flags;
    m_mask |= CellMask::Align;
}

void CCellRecord::SetBorderStyle(unsigned short style)
{
    m_borderStyle = style;
    m_mask |= CellMask::BorderStyle;
}

void CCellRecord::SetBorderPen(const Canvas::Pen* pen)
{
    More().pen = pen;
    m_mask |= CellMask::BorderPen;
}

const Canvas::Pen* CCellRecord::GetBorderPen() const
{
    return TestMaskBits(CellMask::BorderPen) && Less() ? Less()->pen : nullptr;
}

void CCellRecord::SetFont(const LogFont* font)
{
    More().font = font;
    m_mask |= CellMask::Font;
}

const LogFont* CCellRecord::GetFont() const
{
    return TestMaskBits(CellMask::Font) && Less() ? Less()->font : nullptr;
}

void CCellRecord::SetPicture(const Bitmap* bitmap)
{
    if (bitmap == nullptr) {
        m_mask &= ~CellMask::Picture;
        if (m_rare) {
            m_rare->picture = nullptr;
        }
        return;
    }
    More().picture = bitmap;
    m_mask |= CellMask::Picture;
}

const Bitmap* CCellRecord::GetPicture() const
{
    return TestMaskBits(CellMask::Picture) && Less() ? Less()->picture : nullptr;
}

void CCellRecord::SetExtraData(const void* data, int size)
{
    More().SetExtra(data, size);
    m_mask |= CellMask::Extra;
}

const void* CCellRecord::GetExtraData() const
{
    return TestMaskBits(CellMask::Extra) && Less() ? Less()->extra.get() : nullptr;
}

int CCellRecord::GetExtraSize() const
{
    return TestMaskBits(CellMask::Extra) && Less() ? Less()->extraSize : 0;
}

void CCellRecord::SetJoin(int firstCell, int columnSpan, int rowSpan)
{
    Rare& rare = More();
    rare.joinFirst = firstCell;
    rare.joinColumns = columnSpan;
    rare.joinRows = rowSpan;
    m_mask |= CellMask::Join;
}

int CCellRecord::GetJoin(int& firstCell, int& columnSpan, int& rowSpan) const
{
    if (!TestMaskBits(CellMask::Join) || !Less()) {
        return 1;
    }
    firstCell = Less()->joinFirst;
    columnSpan = Less()->joinColumns;
    rowSpan = Less()->joinRows;
    return 0;
}

void CCellRecord::SetCellObject(CCellObject* object)
{
    More().object = object;
    m_mask |= CellMask::CellObject;
}

CCellObject* CCellRecord::GetCellObject() const
{
    return TestMaskBits(CellMask::CellObject) && Less() ? Less()->object : nullptr;
}

void CCellRecord::SetLinkedRecord(const CCellRecord* record)
{
    More().linked = record;
    m_mask |= CellMask::Linked;
}

const CCellRecord* CCellRecord::GetLinkedRecord() const
{
    return TestMaskBits(CellMask::Linked) && Less() ? Less()->linked : nullptr;
}

CSize CCellRecord::MeasureText(const TextMeasurer& dc) const
{
    const CString& text = GetText();
    if (text.IsEmpty()) {
        return CSize(0, 0);
    }
    if ((GetTypeStyle() & kCellStyleMultiLine) == 0) {
        return dc.GetTextExtent(text.GetString(), text.GetLength());
    }
    CSize widest(0, 0);
    int start = 0;
    while (start <= text.GetLength()) {
        int end = text.Find("\r\n", start);
        int length = (end < 0 ? text.GetLength() : end) - start;
        CSize line = dc.GetTextExtent(text.GetString() + start, length);
        if (line.cx > widest.cx || (widest.cx == 0 && widest.cy == 0)) {
            widest = line;
        }
        if (end < 0) {
            break;
        }
        start = end + 2;
    }
    return widest;
}
