#include "list/ListInfoApply.h"

#include "list/IListHost.h"
#include "list/ListInfoColumns.h"
#include "list/ZantobyDoc.h"
#include "platform/MessageBox.h"

#include <exception>

CListInfoApply::Outcome CListInfoApply::Run(const Input& input)
{
    try {
        return RunSteps(input);
    } catch (const std::exception&) {
        m_doc.Host().ReportError(nullptr, "ListInfoDlg", __LINE__);
        return Outcome::StayOpen;
    }
}

CListInfoApply::Outcome CListInfoApply::RunSteps(const Input& input)
{
    IListHost& host = m_doc.Host();
    CPhotoReconverter converter(m_doc);

    // A conversion that ended early is offered first, while the sizes are still those it used.
    if (input.photoSizes == m_doc.photoSizes) {
        const int resumeSlot = converter.ReadResumeSlot();
        if (resumeSlot >= 0) {
            switch (host.AskMessage(21301, MB_YESNOCANCEL)) {
            case IDYES:
                m_changed = true;
                if (!ConvertPhotos(resumeSlot)) {
                    return Outcome::StayOpen;
                }
                break;
            case IDNO:
                if (host.AskMessage(21303, MB_YESNO) == IDYES) {
                    converter.DeleteResumeFile();
                }
                break;
            default:
                return Outcome::StayOpen;
            }
            if (!input.modified) {
                return Outcome::CloseOk;
            }
        }
    }
    if (!input.modified) {
        return Outcome::CloseCancel;
    }

    bool convert = false;
    if (!(input.photoSizes == m_doc.photoSizes)) {
        switch (host.AskMessage(21302, MB_YESNOCANCEL)) {
        case IDYES:
            convert = true;
            break;
        case IDNO:
            break;
        default:
            return Outcome::StayOpen;
        }
    }

    int number = 0;
    CString text;
    switch (m_columns.Validate(number, text)) {
    case 31301:
        host.ShowWarningMessage(31301, 0, number);
        return Outcome::StayOpen;
    case 31302:
        host.ShowWarningMessage(31302, 0, number, text.GetString());
        return Outcome::StayOpen;
    default:
        break;
    }

    const CString lost = m_columns.LostValues(m_doc);
    if (!lost.IsEmpty() && host.AskMessage(21304, MB_YESNO, lost.GetString()) != IDYES) {
        return Outcome::StayOpen;
    }

    m_changed = true;
    // The definitions and the cells they convert are one step that undo takes back; the photos
    // converted to new sizes stay as they are.
    m_doc.SaveUndoSnapshot(4, -1, 0);
    m_columns.ApplyTo(m_doc, input.title, input.lockedColumns);
    m_doc.SaveUndoSnapshot(4, -1, 1);
    m_doc.photoSizes = input.photoSizes;
    if (convert && !ConvertPhotos(0)) {
        return Outcome::StayOpen;
    }
    return Outcome::CloseOk;
}

bool CListInfoApply::ConvertPhotos(int firstSlot)
{
    if (CPhotoReconverter(m_doc).Convert(firstSlot, m_observer)) {
        return true;
    }
    m_doc.Host().ShowWarningMessage(31300, 0);
    return false;
}
