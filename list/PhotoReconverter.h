#pragma once

#include "platform/CString.h"

class CZantobyDoc;

// Renders every photo of a list again in the list's present sizes, slot by slot, keeping the
// slot it has reached in a resume file beside the list, so that a run that ended early can go
// on from there.
class CPhotoReconverter
{
  public:
    // What a run tells its window and asks of it.
    class Observer
    {
      public:
        virtual ~Observer() = default;
        // Before a photo is converted: the pause and the status text.
        virtual void BeforePhoto(int slot) = 0;
        // After each photo: whether the user asked to stop.
        virtual bool StopRequested() = 0;
    };

    explicit CPhotoReconverter(CZantobyDoc& doc) : m_doc(doc) {}

    // "<folder>/<name>.cnv" of the list's file (its working file while it is untitled); empty
    // when the list has no file yet.
    CString ResumeFilePath() const;
    // The slot a run that ended early was at, or -1 when there is nothing to resume.
    int ReadResumeSlot() const;
    void DeleteResumeFile() const;

    // Converts the photos from a slot to the last. True when it came to the end, which deletes
    // the resume file; false when it was stopped or a photo could not be rendered, which leaves
    // the resume file at the slot it was converting.
    bool Convert(int firstSlot, Observer& observer);

  private:
    void WriteResumeSlot(int slot) const;

    CZantobyDoc& m_doc;
};
