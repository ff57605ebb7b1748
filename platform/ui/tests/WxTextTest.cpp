#include "platform/ui/WxText.h"
#include "platform/ui/WxMessageBox.h"

#include <gtest/gtest.h>

#include <wx/toplevel.h>

TEST(WxTextConversion, JapaneseTextCrossesAsCp932NotAsLocaleText)
{
    // ① and 髙 exist only in the CP932 table, not in strict Shift_JIS.
    const CString text = "表①髙ｱ\\";
    const wxString wide = ToWx(text);
    EXPECT_EQ(wide, wxString(L"表①髙ｱ\\"));
    EXPECT_EQ(FromWx(wide), text);
    EXPECT_EQ(FromWx(wxString(L"\u00e9")), "?");
    EXPECT_TRUE(ToWx("").empty());
}

TEST(WxTextConversion, CharactersWithoutACodeAreNamedWhereTheyBecomeQuestionMarks)
{
    CString unheld = "stale";
    EXPECT_EQ(FromWx(wxString(L"表①"), unheld), "表①");
    EXPECT_EQ(unheld, "");
    // 𠮷 lies outside the basic plane, 😀 too; each is named once, in order.
    EXPECT_EQ(FromWx(wxString::FromUTF8("\xF0\xA0\xAE\xB7" "a" "\xF0\x9F\x98\x80\xF0\xA0\xAE\xB7"), unheld), "?a??");
    EXPECT_EQ(unheld, "U+20BB7 U+1F600");
}

TEST(WxMessageBoxStyle, ButtonsIconsAndDefaultsMapToWx)
{
    EXPECT_EQ(WxMessageBox::ToWxStyle(MB_OK | MB_ICONHAND) & (wxOK | wxCANCEL | wxYES_NO | wxICON_ERROR),
              wxOK | wxICON_ERROR);
    EXPECT_EQ(WxMessageBox::ToWxStyle(MB_YESNO | MB_DEFBUTTON2 | MB_ICONQUESTION) &
                  (wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION | wxCANCEL),
              wxYES_NO | wxNO_DEFAULT | wxICON_QUESTION);
    EXPECT_TRUE(WxMessageBox::ToWxStyle(MB_YESNOCANCEL | MB_TASKMODAL | MB_TOPMOST) & wxSTAY_ON_TOP);
    EXPECT_TRUE(WxMessageBox::ToWxStyle(MB_OKCANCEL | MB_DEFBUTTON2) & wxCANCEL_DEFAULT);
}

TEST(WxMessageBoxStyle, WxAnswersBecomeWindowsAnswers)
{
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_YESNOCANCEL, wxID_NO), IDNO);
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_YESNOCANCEL, wxID_CANCEL), IDCANCEL);
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_YESNO, wxID_YES), IDYES);
    // Closing an OK/Cancel box by its frame counts as Cancel.
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_OKCANCEL, wxID_CANCEL), IDCANCEL);
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_ABORTRETRYIGNORE, wxID_NO), IDRETRY);
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_RETRYCANCEL, wxID_OK), IDRETRY);
    EXPECT_EQ(WxMessageBox::ToAnswer(MB_OK, wxID_CANCEL), IDOK);
}
