#include "photo/batch/PhotoOutput.h"

#include "foundation/BitmapEx.h"
#include "foundation/FileUtility.h"
#include "list/IListHost.h"
#include "list/ListDrawingHost.h"
#include "list/PhotoRenderer.h"
#include "list/ZantobyDoc.h"
#include "list/drawing/DrawingData.h"
#include "photo/batch/IPhotoOutputMonitor.h"
#include "platform/MessageBox.h"
#include "platform/SystemText.h"
#include "platform/canvas/Canvas.h"

#include <cerrno>

namespace {

constexpr const char* kSourceName = "OutputPhotoDlg";
constexpr int kFreeSizeQuality = 80;

CString SystemReason()
{
    return errno != 0 ? SystemErrorText(errno) : CString();
}

} // namespace

CSize CPhotoOutput::FreeSize(CSize source, int length, int base)
{
    if (base == 1 && source.cx < source.cy) {
        return CSize(length, MulDiv(source.cy, length, source.cx));
    }
    return CSize(MulDiv(source.cx, length, source.cy), length);
}

CString CPhotoOutput::BaseNameOf(const PhotoOutputRow& row)
{
    CString name = row.baseName;
    if (name.IsEmpty()) {
        name.Format("%04d", row.slot);
    }
    // The name is typed by the user: a separator would put the file into another folder. No
    // trail byte of a double-byte character is "/", so the bytes can be replaced one by one.
    name.Replace("/", "_");
    if (name == "." || name == "..") {
        name.Replace(".", "_");
    }
    return name;
}

CPhotoOutput::Result CPhotoOutput::Run(const std::vector<PhotoOutputRow>& rows,
                                       const PhotoOutputSettings& settings)
{
    if (settings.folder.IsEmpty()) {
        m_doc.Host().ShowWarningMessage(30700, 0);
        return Result::NoFolder;
    }
    const int count = static_cast<int>(rows.size());
    for (int i = 0; i < count; ++i) {
        if (m_monitor.IsOutputCancelled()) {
            return Result::Stopped;
        }
        const PhotoOutputRow& row = rows[i];
        if (!row.checked) {
            continue;
        }
        const CString base = BaseNameOf(row);
        CString progress;
        progress.Format("%d/%d [%s]を出力中", i + 1, count, base.GetString());
        m_monitor.ShowOutputProgress(progress);
        const CString target = settings.folder + "/" + base;
        bool goOn = true;
        if (settings.sizeOriginal) {
            goOn = CopyPhotoFile(m_doc.GetOriginalPhotoPath(row.slot), target + ".jpg");
        }
        if (goOn && settings.sizeStandard) {
            goOn = CopyPhotoFile(m_doc.GetMiddlePhotoPath(row.slot), target + "m.jpg");
        }
        if (goOn && settings.sizeThumbnail) {
            goOn = CopyPhotoFile(m_doc.GetThumbnailPath(row.slot), target + "s.jpg");
        }
        if (goOn && settings.sizeFree) {
            goOn = WriteFreeSize(m_doc.GetOriginalPhotoPath(row.slot), m_doc.GetDrawingPath(row.slot),
                                 target + "f.jpg", settings.freeLength, settings.freeBase);
        }
        if (!goOn || m_monitor.PauseAfterPhoto()) {
            return Result::Stopped;
        }
    }
    return m_monitor.IsOutputCancelled() ? Result::Stopped : Result::Completed;
}

bool CPhotoOutput::CopyPhotoFile(const CString& source, const CString& destination)
{
    errno = 0;
    if (CopySingleFile(source, destination)) {
        return true;
    }
    return AskToGoOn(source, destination, SystemReason());
}

bool CPhotoOutput::AskToGoOn(const CString& source, const CString& destination, const CString& reason)
{
    return m_doc.Host().AskMessage(20700, MB_YESNO, source.GetString(), destination.GetString(),
                                   reason.GetString()) == IDYES;
}

bool CPhotoOutput::WriteFreeSize(const CString& source, const CString& drawing, const CString& destination,
                                 int length, int base)
{
    IListHost& host = m_doc.Host();
    CBitmapEx photo;
    errno = 0;
    if (!photo.LoadJpeg(source)) {
        return AskToGoOn(source, destination, SystemReason());
    }
    CRect frame(0, 0, photo.Width(), photo.Height());
    CDrawingData data;
    CListDrawingHost drawingHost(host);
    if (data.Read(drawing, drawingHost)) {
        // The free size shows the photo as taken: the colour corrections stay out.
        data.bright = data.shade = data.red = data.green = data.blue = 0;
        CString error;
        if (!CPhotoRenderer::ApplyDrawing(photo, data, frame, error)) {
            host.ReportError(error, kSourceName, __LINE__);
            return false;
        }
    }
    const CSize size = FreeSize(frame.Size(), length, base);
    CBitmapEx output;
    if (size.cx <= 0 || size.cy <= 0 || !output.Create(size.cx, size.cy, 24)) {
        host.ReportError("ﾌﾘｰｻｲｽﾞのﾋﾞｯﾄﾏｯﾌﾟを作成できません", kSourceName, __LINE__);
        return false;
    }
    {
        Canvas dc(output);
        if (!dc.IsValid()) {
            host.ReportError("ﾌﾘｰｻｲｽﾞのﾋﾞｯﾄﾏｯﾌﾟを作成できません", kSourceName, __LINE__);
            return false;
        }
        dc.SetStretchBltMode(HALFTONE);
        dc.StretchBitmap(photo, CRect(0, 0, size.cx, size.cy), frame);
    }
    errno = 0;
    if (!output.SaveJpeg(destination, kFreeSizeQuality)) {
        return AskToGoOn(source, destination, SystemReason());
    }
    return true;
}
