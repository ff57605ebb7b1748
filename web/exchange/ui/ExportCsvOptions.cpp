#include "web/exchange/ui/ExportCsvOptions.h"

#include "platform/ui/WxText.h"
#include "web/exchange/ui/DelimiterGroup.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>

namespace {

enum : int
{
    idAllRows = 1175,
    idShownRows = 1176,
    idColumnNames = 1111,
    idOpenFile = 1167,
    idSingleQuote = 1181,
    idDoubleQuote = 1182,
    idNoQuote = 1183,
    idHelp = 1091,
};

const RadioGroupItem kSourceItems[] = {{idAllRows, 0}, {idShownRows, 1}, {0, 0}};
const RadioGroupItem kQuoteItems[] = {{idSingleQuote, '\''}, {idDoubleQuote, '"'}, {idNoQuote, 0}, {0, '"'}};

} // namespace

CExportCsvOptions::CExportCsvOptions(wxWindow* parent, ExportCsvSettings& settings,
                                     std::function<void()> help)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(580, 118)), m_settings(settings)
{
    new wxStaticBox(this, wxID_ANY, ToWx("出力範囲"), wxPoint(0, 0), wxSize(160, 78));
    new wxRadioButton(this, idAllRows, ToWx("全ﾃﾞｰﾀ"), wxPoint(10, 22), wxDefaultSize, wxRB_GROUP);
    new wxRadioButton(this, idShownRows, ToWx("表示中のﾃﾞｰﾀ"), wxPoint(10, 48));
    CreateDelimiterGroup(this, wxPoint(170, 0));
    new wxStaticBox(this, wxID_ANY, ToWx("文字列引用符"), wxPoint(350, 0), wxSize(230, 78));
    new wxRadioButton(this, idSingleQuote, ToWx("ｼﾝｸﾞﾙｸｫｰﾃｰｼｮﾝ"), wxPoint(360, 16), wxDefaultSize,
                      wxRB_GROUP);
    new wxRadioButton(this, idDoubleQuote, ToWx("ﾀﾞﾌﾞﾙｸｫｰﾃｰｼｮﾝ"), wxPoint(360, 36));
    new wxRadioButton(this, idNoQuote, ToWx("なし"), wxPoint(360, 56));
    new wxCheckBox(this, idColumnNames, ToWx("項目名を出力する"), wxPoint(0, 90));
    new wxCheckBox(this, idOpenFile, ToWx("作成したﾌｧｲﾙを開く"), wxPoint(170, 90));
    auto* helpButton = new wxButton(this, idHelp, ToWx("ﾍﾙﾌﾟ(&H)"), wxPoint(480, 86), wxSize(100, 28));
    helpButton->Bind(wxEVT_BUTTON, [help](wxCommandEvent&) { help(); });

    m_source.Init(this, kSourceItems);
    m_delimiter.Init(this, kDelimiterItems);
    m_quote.Init(this, kQuoteItems);
    m_source.SetValue(settings.source);
    m_delimiter.SetValue(static_cast<unsigned char>(settings.breakChar));
    m_quote.SetValue(static_cast<unsigned char>(settings.quoteChar));
    static_cast<wxCheckBox*>(FindWindow(idColumnNames))->SetValue(settings.columnNames);
    static_cast<wxCheckBox*>(FindWindow(idOpenFile))->SetValue(settings.openAfterwards);
}

bool CExportCsvOptions::TransferDataFromWindow()
{
    m_settings.source = m_source.GetValue();
    m_settings.breakChar = static_cast<char>(m_delimiter.GetValue());
    m_settings.quoteChar = static_cast<char>(m_quote.GetValue());
    m_settings.columnNames = static_cast<wxCheckBox*>(FindWindow(idColumnNames))->GetValue();
    m_settings.openAfterwards = static_cast<wxCheckBox*>(FindWindow(idOpenFile))->GetValue();
    return true;
}
