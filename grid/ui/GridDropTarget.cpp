#include "grid/ui/GridDropTarget.h"

#include "grid/GridAutoScroll.h"
#include "grid/ui/CellGrid.h"
#include "platform/ui/WxBitmap.h"
#include "platform/ui/WxText.h"

#include <wx/dataobj.h>
#include <wx/image.h>
#include <wx/timer.h>

namespace {

// A drag resting near an edge scrolls at the sheet's auto-scroll pace.
class DragScrollTimer : public wxTimer
{
  public:
    explicit DragScrollTimer(CGridDropTarget& target) : m_target(target) {}
    void Notify() override { m_target.ScrollStep(); }

  private:
    CGridDropTarget& m_target;
};

} // namespace

CGridDropTarget::CGridDropTarget(CCellGrid& grid, const CStringArray& privateFormats)
    : m_grid(grid), m_composite(new wxDataObjectComposite()),
      m_scrollTimer(std::make_unique<DragScrollTimer>(*this))
{
    for (int i = 0; i < privateFormats.GetSize(); ++i) {
        m_privateFormats.Add(privateFormats[i]);
        m_composite->Add(new wxCustomDataObject(wxDataFormat(ToWx(privateFormats[i]))), i == 0);
    }
    m_composite->Add(new wxFileDataObject(), privateFormats.GetSize() == 0);
    m_composite->Add(new wxBitmapDataObject());
    m_composite->Add(new wxTextDataObject());
    SetDataObject(m_composite);
}

CGridDropTarget::~CGridDropTarget()
{
    m_scrollTimer->Stop();
}

wxDragResult CGridDropTarget::ToDragResult(int effect)
{
    if (effect & 2) {
        return wxDragMove;
    }
    if (effect & 1) {
        return wxDragCopy;
    }
    if (effect & 4) {
        return wxDragLink;
    }
    return wxDragNone;
}

void CGridDropTarget::OfferFormats()
{
    m_data = COleDataObject();
    const wxDataFormat format = GetMatchingPair();
    for (int i = 0; i < m_privateFormats.GetSize(); ++i) {
        if (format == wxDataFormat(ToWx(m_privateFormats[i]))) {
            m_data.Offer(COleDataObject::Format::Private, m_privateFormats[i]);
        }
    }
    if (format == wxDF_FILENAME) {
        m_data.Offer(COleDataObject::Format::Files);
    } else if (format == wxDF_BITMAP || format == wxDF_PNG) {
        m_data.Offer(COleDataObject::Format::Image);
    } else if (format == wxDF_UNICODETEXT || format == wxDF_TEXT) {
        m_data.Offer(COleDataObject::Format::Text);
    }
}

bool CGridDropTarget::CellAt(wxCoord x, wxCoord y, int& column, int& row) const
{
    if (m_grid.HitTestCell(x, y, column, row) != 0) {
        column = row = -1;
        return false;
    }
    return true;
}

wxDragResult CGridDropTarget::OnEnter(wxCoord x, wxCoord y, wxDragResult)
{
    m_point = wxPoint(x, y);
    OfferFormats();
    return ToDragResult(m_grid.OnDragEnter(&m_data));
}

void CGridDropTarget::ScrollStep()
{
    const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
    const CGridAutoScroll::Step step =
        CGridAutoScroll::ForDrag(CPoint(m_point.x, m_point.y), CSize(sheet.areaWidth, sheet.areaHeight));
    if (step.columns == 0 && step.rows == 0) {
        m_scrollTimer->Stop();
        return;
    }
    m_grid.SetSelectionTrigger(SelectionTrigger::ScrollBar);
    if (step.columns != 0) {
        m_grid.ScrollToLeftCol(m_grid.FirstVisibleColumn() + step.columns);
    } else {
        m_grid.ScrollToTopRow(m_grid.FirstVisibleRow() + step.rows);
    }
    m_grid.SetSelectionTrigger(SelectionTrigger::Keyboard);
}

wxDragResult CGridDropTarget::OnDragOver(wxCoord x, wxCoord y, wxDragResult)
{
    m_point = wxPoint(x, y);
    ScrollStep();
    if (!m_scrollTimer->IsRunning()) {
        const CGridSheetInfo& sheet = *m_grid.CurrentSheet();
        const CGridAutoScroll::Step step =
            CGridAutoScroll::ForDrag(CPoint(x, y), CSize(sheet.areaWidth, sheet.areaHeight));
        if (step.columns != 0 || step.rows != 0) {
            m_scrollTimer->Start(std::max(sheet.autoScrollDelay, CGridAutoScroll::kFastIntervalMs));
        }
    }
    int column, row;
    CellAt(x, y, column, row);
    return ToDragResult(m_grid.OnDragOver(&m_data, column, row));
}

bool CGridDropTarget::OnDrop(wxCoord, wxCoord)
{
    m_scrollTimer->Stop();
    return true;
}

void CGridDropTarget::ReadContents()
{
    const wxDataFormat format = m_composite->GetReceivedFormat();
    for (int i = 0; i < m_privateFormats.GetSize(); ++i) {
        const wxDataFormat own(ToWx(m_privateFormats[i]));
        if (format == own) {
            auto* custom = static_cast<wxCustomDataObject*>(m_composite->GetObject(own));
            const auto* bytes = static_cast<const unsigned char*>(custom->GetData());
            m_data.SetPrivateData(m_privateFormats[i],
                                  std::vector<unsigned char>(bytes, bytes + custom->GetSize()));
        }
    }
    if (format == wxDF_FILENAME) {
        auto* files = static_cast<wxFileDataObject*>(m_composite->GetObject(wxDF_FILENAME));
        CStringArray paths;
        for (const wxString& name : files->GetFilenames()) {
            paths.Add(FromWx(name));
        }
        m_data.SetFiles(paths);
    } else if (format == wxDF_BITMAP || format == wxDF_PNG) {
        auto* image = static_cast<wxBitmapDataObject*>(m_composite->GetObject(format));
        m_data.SetImage(FromWxImage(image->GetBitmap().ConvertToImage()));
    } else if (format == wxDF_UNICODETEXT || format == wxDF_TEXT) {
        auto* text = static_cast<wxTextDataObject*>(m_composite->GetObject(format));
        CString lost;
        const CString converted = FromWx(text->GetText(), lost);
        m_data.SetText(converted, lost);
    }
}

wxDragResult CGridDropTarget::OnData(wxCoord x, wxCoord y, wxDragResult)
{
    if (!GetData()) {
        return wxDragNone;
    }
    ReadContents();
    int column, row;
    CellAt(x, y, column, row);
    return ToDragResult(m_grid.OnDrop(&m_data, column, row));
}

void CGridDropTarget::OnLeave()
{
    m_scrollTimer->Stop();
    m_grid.OnDragLeave();
}
