#pragma once

#include "platform/CString.h"

class CZantobyDoc;
class IListHost;

// Makes lists of goods with photos drawn on the spot: the program's sample list, and the lists
// that the window tests and benchmarks open. Every column type is there, two columns share a
// name over their sub-names, and the first rows carry photos.
class CSampleListMaker
{
  public:
    explicit CSampleListMaker(IListHost& host) : m_host(host) {}

    // Writes the list file at path (its photo folder beside it): rows rows, the first photoRows
    // of which get one to three photos. False when it could not be written.
    bool Make(const CString& path, int rows, int photoRows, const CString& title = "サンプル商品リスト");
    // Marks the lists made from now on as the program's sample, which keeps its Web output in
    // its own folder and asks before it is saved.
    void SetSample(bool sample) { m_sample = sample; }

    // A 320 x 240 picture of a product, different for every index, as a JPEG.
    static bool DrawPhoto(const CString& path, int index);

  private:
    void DefineColumns(CZantobyDoc& doc) const;
    void FillRow(CZantobyDoc& doc, int row, int index) const;

    IListHost& m_host;
    bool m_sample = false;
};
