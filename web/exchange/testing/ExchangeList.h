#pragma once

#include "ExchangeHost.h"
#include "list/ZantobyDoc.h"
#include "list/tests/support/TempFolder.h"

#include <initializer_list>
#include <memory>

// A list for the exchange tests in a folder of its own, named 商品.zbk with its photo folder
// beside it, and ways to fill it.
class ExchangeList
{
  public:
    ExchangeList();

    // Columns of every type: 品名 (text), 価格 (number with thousands separators), 入荷 (date and
    // time), 在庫 (Yes/No), 記号 (mark).
    void UseAllTypes();
    // Appends a row on the new-row line with the texts from the first column on; returns its
    // row index.
    int AddRow(std::initializer_list<const char*> texts);

    CString ListPath() const { return doc->listFolder + "/商品.zbk"; }
    CString PhotoFolder() const { return doc->listFolder + "/" + doc->photoFolderName; }

    TempFolder temp;
    ExchangeHost host;
    std::unique_ptr<CZantobyDoc> doc;
};
