#include "app/listwindow/ui/ListGridClipboard.h"

#include "app/editing/ListGridTransfer.h"
#include "app/editing/ListRowEdits.h"
#include "app/listwindow/ui/GridView.h"
#include "app/listwindow/ui/ListDocument.h"
#include "app/listwindow/ui/ListGrid.h"
#include "app/startup/ui/ZantobyApp.h"
#include "app/startup/ui/ZantobyDocManager.h"
#include "foundation/BitmapEx.h"
#include "foundation/ui/ClipboardText.h"
#include "foundation/ui/DocumentLookup.h"
#include "grid/GridEditWindow.h"
#include "list/ZantobyDoc.h"
#include "list/ui/ClipData.h"
#include "list/ui/ClipSource.h"
#include "platform/FileSystem.h"
#include "platform/MessageBox.h"

#include <wx/textctrl.h>

#include <exception>
#include <filesystem>
#include <vector>

CZantobyDoc* CListGridClipboard::ListByPath(const CString& path)
{
    if (path.IsEmpty() || wxGetApp().GetDocManager() == nullptr) {
        return nullptr;
    }
    wxDocument* found = CDocumentLookup::FindDocumentByPath(*wxGetApp().GetDocManager(), path);
    auto* list = dynamic_cast<CListDocument*>(found);
    return list != nullptr ? &list->List() : nullptr;
}

bool CListGridClipboard::FillClipSource(CClipSource& source)
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return false;
    }
    const std::vector<CListGridEdits::Block> blocks = m_grid.SelectedBlocks();
    CListGridTransfer transfer(*doc);
    if (!transfer.FillTable(blocks, source.Table())) {
        return false;
    }
    source.CacheFormat(COleDataObject::Format::Private);
    if (const int photo = transfer.SinglePhoto(blocks); photo >= 0) {
        CBitmapEx image;
        if (image.LoadJpeg(doc->GetMiddlePhotoPath(photo))) {
            source.CacheDib(image);
        }
    }
    source.CacheFormat(COleDataObject::Format::Files);
    if (blocks[0].left < m_grid.DataColumns()) {
        source.CacheFormat(COleDataObject::Format::Text);
    }
    return true;
}

int CListGridClipboard::Copy()
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return 1;
    }
    if (m_grid.IsEditing()) {
        if (auto* edit = dynamic_cast<wxTextCtrl*>(m_grid.GetEditWindow())) {
            edit->Copy();
        }
        return 0;
    }
    try {
        auto* source = new CClipSource(doc->Host());
        if (!FillClipSource(*source)) {
            delete source;
            return 1;
        }
        return CClipSource::PutOnClipboard(source) ? 0 : 1;
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "ListGrid", __LINE__);
        return 1;
    }
}

int CListGridClipboard::Cut()
{
    if (m_grid.Doc() == nullptr) {
        return 1;
    }
    // In an open edit only its selection is copied; the text stays.
    if (m_grid.IsEditing()) {
        return Copy();
    }
    const int result = Copy();
    if (result == 0) {
        m_grid.ClearSelection();
    }
    m_grid.RepaintGrid();
    return result;
}

int CListGridClipboard::Paste(bool byReference)
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return 1;
    }
    if (m_grid.IsEditing()) {
        if (auto* edit = dynamic_cast<wxTextCtrl*>(m_grid.GetEditWindow())) {
            edit->Paste();
        }
        return 0;
    }
    if (!PasteCells(nullptr, m_grid.CurrentColumn(), m_grid.CurrentRow(),
                    byReference ? CListGridTransfer::kReference : CListGridTransfer::kCopy)) {
        return 1;
    }
    doc->UpdateAllViews(&m_grid.View(), kHintRowsEdited);
    return 0;
}

void CListGridClipboard::CopyPhotoFileName()
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr) {
        return;
    }
    if (const int photo = CListRowEdits(*doc).PhotoAt(m_grid.CurrentColumn(), m_grid.CurrentRow());
        photo >= 0) {
        CClipboardText::CopyToClipboard(doc->GetMiddlePhotoPath(photo));
    }
}

bool CListGridClipboard::PasteCells(const COleDataObject* data, int column, int line, int mode)
{
    CZantobyDoc* doc = m_grid.Doc();
    if (doc == nullptr || column < 0 || column >= m_grid.DataColumns() + doc->photoColumns || line < 0 ||
        line >= m_grid.GetRowCount() || line >= doc->displayCount) {
        return false;
    }
    CClipData clip(doc->Host());
    if (!clip.Read(data) || !AcceptsReplacedCharacters(clip.GetLostCharacters())) {
        return false;
    }
    CListGridTransfer transfer(*doc);
    CListGridTransfer::Result result;
    CString picture;
    try {
        const CClipTable& table = clip.Table();
        Bitmap image;
        if (table.GetRowCount() > 0) {
            if (mode == CListGridTransfer::kMove) {
                m_grid.ClearSelection();
            }
            result = transfer.PasteTable(table, ListByPath(table.sourcePath), column, line, mode);
        } else if (clip.GetDib(image)) {
            // A picture from another program goes in as a photo through a JPEG of its own.
            picture = doc->tempFolder + "zantoby.jpg";
            CBitmapEx jpeg;
            static_cast<Bitmap&>(jpeg) = image;
            if (jpeg.SaveJpeg(picture, 100)) {
                CStringArray files;
                files.Add(picture);
                result = transfer.PasteFiles(files, column, line);
            }
        } else if (table.GetFileCount() > 0) {
            CStringArray files;
            for (int i = 0; i < table.GetFileCount(); ++i) {
                files.Add(clip.GetFileName(i));
            }
            result = transfer.PasteFiles(files, column, line);
        }
    } catch (const std::exception&) {
        wxGetApp().ReportError(nullptr, "ListGrid", __LINE__);
    }
    if (!picture.IsEmpty()) {
        std::error_code ignored;
        std::filesystem::remove(FileSystem::ToNative(picture), ignored);
    }
    if (result.photoColumnsGrew) {
        m_grid.SyncPhotoColumns();
    }
    m_grid.RefillLines(result.lines);
    transfer.ReportLeftOut(result);
    return true;
}

bool CListGridClipboard::AcceptsReplacedCharacters(const CString& lost)
{
    if (lost.IsEmpty()) {
        return true;
    }
    CString message;
    message.Format("貼り付ける文字に、このプログラムでは扱えない文字（%s）があります。\n"
                   "これらの文字を「?」に置き換えて貼り付けますか？",
                   lost.GetString());
    return ShowMessageBox(message, CString(), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}
