#pragma once

#include "platform/CString.h"

#include <functional>
#include <vector>

class CZantobyDoc;

// Takes many photo files into a list at once. Their copies and pictures are made on all cores,
// while the list itself changes only on the calling thread, one photo after the other in the
// order given, so that its rows and undo steps come out as when photos are taken one by one.
class CPhotoBatchImport
{
  public:
    struct Photo
    {
        CString path;
        CString drawing; // its drawing file, or empty
    };

    // What the caller does, on the calling thread, photo by photo in order. Whatever stops the
    // batch, photos not handed on are given back, so that the list keeps what was.
    struct Steps
    {
        // Before a photo goes into the list (optional): false stops the batch without it.
        std::function<bool(int index)> accept;
        // The photo's slot, or -1 after its failure was reported (or when the list has no free
        // slot): false stops the batch after it.
        std::function<bool(int index, int slot)> done;
        // Before the photo of the index is taken in, and now and then while it is still being
        // made (optional): false stops the batch at once.
        std::function<bool(int index)> waiting;
    };

    explicit CPhotoBatchImport(CZantobyDoc& doc) : m_doc(doc) {}

    // threads below 1: one per core.
    void Run(const std::vector<Photo>& photos, const Steps& steps, int threads = 0);

  private:
    CZantobyDoc& m_doc;
};
