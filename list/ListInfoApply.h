#pragma once

#include "list/PhotoReconverter.h"
#include "list/PhotoSizeSettings.h"
#include "platform/CString.h"

class CListInfoColumns;
class CZantobyDoc;

// The set button of the list information dialog: offers to resume a photo conversion that
// ended early, asks before existing photos are converted to new sizes, checks the column names,
// puts the title, columns and photo sizes into the document and converts the photos. It tells
// the dialog whether to close, and how.
class CListInfoApply
{
  public:
    // What the dialog's fields hold.
    struct Input
    {
        CString title;
        int lockedColumns = 0;
        PhotoSizeSettings photoSizes;
        // Anything was edited: the columns, a field or the size basis.
        bool modified = false;
    };

    enum class Outcome
    {
        CloseOk,
        CloseCancel,
        StayOpen
    };

    CListInfoApply(CZantobyDoc& doc, CListInfoColumns& columns, CPhotoReconverter::Observer& observer)
        : m_doc(doc), m_columns(columns), m_observer(observer)
    {
    }

    Outcome Run(const Input& input);
    // Whether the run changed the document or its photos, even where the dialog stays open.
    bool ChangedDocument() const { return m_changed; }

  private:
    Outcome RunSteps(const Input& input);
    // Converts from the slot; false, with the warning, when the run ended early.
    bool ConvertPhotos(int firstSlot);

    CZantobyDoc& m_doc;
    CListInfoColumns& m_columns;
    CPhotoReconverter::Observer& m_observer;
    bool m_changed = false;
};
