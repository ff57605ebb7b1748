#pragma once

#include "foundation/ui/AnchorDialog.h"

class CZantobyDoc;

// "ﾘｽﾄﾌﾟﾛﾊﾟﾃｨ": the file, title, dates, rows and size of a list and the number and total size
// of its photo files, shown and nothing changed.
class CListPropDlg : public CAnchorDialog
{
  public:
    CListPropDlg(wxWindow* parent, CZantobyDoc& doc);

    bool OnInitDialog() override;

  private:
    CZantobyDoc& m_doc;
};
