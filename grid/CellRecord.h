#pragma once

#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Geometry.h"
#include "platform/canvas/Canvas.h"
#include "platform/canvas/LogFont.h"

#include <cstdint>
#include <memory>

class Bitmap;
class CCellObject;
class TextMeasurer;

// Property bits of a cell record: a property whose bit is clear is absent.
namespace CellMask {
constexpr std::uint32_t Text = 0x1;
constexpr std::uint32_t EditMask = 0x2;
constexpr std::uint32_t Label = 0x4;
constexpr std::uint32_t DataType = 0x8;
constexpr std::uint32_t IntValue = 0x10;
constexpr std::uint32_t TypeIndex = 0x20;
constexpr std::uint32_t TypeStyle = 0x40;
constexpr std::uint32_t TextColor = 0x80;
constexpr std::uint32_t BackColor = 0x100;
constexpr std::uint32_t SelectedTextColor = 0x200;
constexpr std::uint32_t SelectedBackColor = 0x400;
constexpr std::uint32_t BorderStyle = 0x800;
constexpr std::uint32_t BorderPen = 0x1000;
constexpr std::uint32_t Font = 0x2000;
constexpr std::uint32_t Picture = 0x4000;
constexpr std::uint32_t Align = 0x8000;
constexpr std::uint32_t Extra = 0x10000;
constexpr std::uint32_t Join = 0x20000;
constexpr std::uint32_t CellObject = 0x200000;
constexpr std::uint32_t Linked = 0x800000;
constexpr std::uint32_t ReadOnly = 0x1000000;
constexpr std::uint32_t Decimals = 0x2000000;
} // namespace CellMask

// Data types of a cell's text.
namespace CellDataType {
constexpr short Text = 1;
constexpr short Number = 2;
constexpr short Bool = 3;
// A further type an owner may give values it keeps as numbers; it sorts by value too.
constexpr short OtherNumber = 5;
} // namespace CellDataType

// Type style bit of a cell whose text runs over several lines.
constexpr std::uint32_t kCellStyleMultiLine = 0x2;

// Every property a cell can have, each guarded by a bit of the property mask, so that column
// defaults, stored cells, style records and amendments layer over one another by merging.
class CCellRecord : public CObject
{
  public:
    CCellRecord();
    CCellRecord(const CCellRecord& other);
    CCellRecord(CCellRecord&& other) noexcept;
    CCellRecord& operator=(const CCellRecord& other);
    CCellRecord& operator=(CCellRecord&& other) noexcept;
    ~CCellRecord() override;

    // Clearing and merging
    void ClearProperties();
    // ORs the masks and copies every property the source has into the target.
    static void MergeProperties(const CCellRecord& source, CCellRecord& target);
    void CopyPropertiesTo(CCellRecord& target) const { target = *this; }
    void CopyPropertiesFrom(const CCellRecord& source) { *this = source; }
    void MergePropertiesInto(CCellRecord& target) const { MergeProperties(*this, target); }
    void MergePropertiesFrom(const CCellRecord& source) { MergeProperties(source, *this); }

    // The mask
    std::uint32_t GetMaskBits() const { return m_mask; }
    void SetMaskBits(std::uint32_t mask) { m_mask = mask; }
    int TestMaskBits(std::uint32_t bits) const { return (m_mask & bits) != 0 ? 1 : 0; }

    // Text values
    void SetTextValue(const CString& text);
    const CString& GetText() const;
    int GetTextLength() const { return GetText().GetLength(); }
    void SetLabelString(const CString& label);
    const CString& GetLabel() const;
    // Copies the label out; 1 (target untouched) when there is none.
    int GetLabel(CString& target) const;
    void SetEditMask(const CString& mask);
    const CString& GetEditMask() const;

    // Typed values kept as text
    void SetBoolValue(int flag);
    int GetBoolValue() const;
    void SetNumberValue(double value);
    double GetNumberValue() const;
    void SetDecimals(int decimals);
    int GetDecimals() const;
    short GetDataType() const { return TestMaskBits(CellMask::DataType) ? m_dataType : CellDataType::Text; }
    void SetDataType(short type);

    void SetIntValue(int value);
    int GetIntValue() const { return m_intValue; }
    void SetReadOnly(int flag);
    int IsReadOnly() const;
    void SetTypeIndex(int index);
    int GetTypeIndex() const { return TestMaskBits(CellMask::TypeIndex) ? m_typeIndex : 0; }
    void SetTypeStyle(std::uint32_t style);
    std::uint32_t GetTypeStyle() const { return TestMaskBits(CellMask::TypeStyle) ? m_typeStyle : 0; }

    // Colours: the system colours when absent
    void SetForeColor(COLORREF color);
    COLORREF GetForeColor() const;
    void SetFillColor(COLORREF color);
    COLORREF GetFillColor() const;
    void SetSelectedForeColor(COLORREF color);
    COLORREF GetSelectedForeColor() const;
    void SetSelectedFillColor(COLORREF color);
    COLORREF GetSelectedFillColor() const;

    // Drawing properties; the objects belong to whoever set them
    void SetAlignFlags(unsigned short flags);
    unsigned short GetAlignFlags() const { return TestMaskBits(CellMask::Align) ? m_align : 0; }
    void SetBorderStyle(unsigned short style);
    unsigned short GetBorderStyle() const { return TestMaskBits(CellMask::BorderStyle) ? m_borderStyle : 0; }
    void SetBorderPen(const Canvas::Pen* pen);
    const Canvas::Pen* GetBorderPen() const;
    void SetFont(const LogFont* font);
    const LogFont* GetFont() const;
    // A null bitmap clears the property.
    void SetPicture(const Bitmap* bitmap);
    const Bitmap* GetPicture() const;

    // Extra data: a block owned by the record
    void SetExtraData(const void* data, int size);
    const void* GetExtraData() const;
    int GetExtraSize() const;

    // Join: in the first cell the flag is 1 and the spans are the range's width - 1 and height - 1;
    // in every other cell the flag is 0 and the spans are the offsets back to the first cell.
    void SetJoin(int firstCell, int columnSpan, int rowSpan);
    // 1 (outputs untouched) when the cell is not joined.
    int GetJoin(int& firstCell, int& columnSpan, int& rowSpan) const;

    void SetCellObject(CCellObject* object);
    CCellObject* GetCellObject() const;
    void SetLinkedRecord(const CCellRecord* record);
    const CCellRecord* GetLinkedRecord() const;

    // Size of the text in the measurer's font; with the multi-line style the widest line.
    CSize MeasureText(const TextMeasurer& dc) const;

  private:
    // The properties most cells never have live apart, so that a stored cell stays small.
    struct Rare
    {
        CString editMask;
        CString label;
        COLORREF selectedFore = 0;
        COLORREF selectedFill = 0;
        const Canvas::Pen* pen = nullptr;
        const LogFont* font = nullptr;
        const Bitmap* picture = nullptr;
        CCellObject* object = nullptr;
        const CCellRecord* linked = nullptr;
        std::unique_ptr<unsigned char[]> extra;
        int extraSize = 0;
        int joinFirst = 0;
        int joinColumns = -1;
        int joinRows = -1;
        int decimals = 0;
        int readOnly = 0;

        Rare() = default;
        Rare(const Rare& other);
        void SetExtra(const void* data, int size);
    };

    Rare& More();
    const Rare* Less() const { return m_rare.get(); }

    std::uint32_t m_mask = 0;
    short m_dataType = CellDataType::Text;
    unsigned short m_align = 0;
    unsigned short m_borderStyle = 0;
    int m_intValue = -1;
    int m_typeIndex = -1;
    std::uint32_t m_typeStyle = 0;
    COLORREF m_foreColor = 0;
    COLORREF m_fillColor = 0;
    CString m_text;
    std::unique_ptr<Rare> m_rare;
};
