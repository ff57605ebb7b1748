#pragma once

#include "list/ZantobyDoc.h"
#include "list/tests/support/TempFolder.h"
#include "web/exchange/testing/ExchangeHost.h"

#include <initializer_list>
#include <memory>

// A small list for the Web output tests, in a folder of its own: columns 品名 (text), 寸法::幅
// and 寸法::高さ (numbers) and 備考 (mark), with rows and photos added by the test.
class WebTestList
{
  public:
    WebTestList();

    // A row in use holding the texts in columns 0, 1, ...; returns its record index.
    int AddRow(std::initializer_list<const char*> texts);
    // A photo slot in use with a name, appended to a row's photos.
    void AddPhoto(int record, int slot, const char* name = "");
    // The folder of the list file, without a trailing "/".
    CString Folder() const;

    TempFolder temp;
    ExchangeHost host;
    std::unique_ptr<CZantobyDoc> doc;
};
