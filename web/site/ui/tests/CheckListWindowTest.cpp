// The input check's options dialog run modally, as the application runs it.
#include "platform/ui/WxText.h"
#include "platform/ui/testing/WxTestEnvironment.h"
#include "web/exchange/testing/ExchangeHost.h"
#include "web/site/ui/CheckListDlg.h"

#include <gtest/gtest.h>

#include <wx/app.h>
#include <wx/checkbox.h>

TEST(CheckListWindowTest, RunNeedsATestChosenAndHandsBackTheSwitches)
{
    WxTestEnvironment::Ensure();
    ExchangeHost host;
    InputCheckSwitches switches;
    wxTheApp->CallAfter([&] {
        CCheckListDlg* dialog = nullptr;
        for (wxWindow* window : wxTopLevelWindows) {
            if (auto* found = dynamic_cast<CCheckListDlg*>(window)) {
                dialog = found;
            }
        }
        ASSERT_NE(dialog, nullptr);
        WxTestEnvironment::PumpFor(200);
        EXPECT_FALSE(WxTestEnvironment::SaveScreenshot(*dialog, "check-list-dialog").IsEmpty());
        auto box = [dialog](int id) { return static_cast<wxCheckBox*>(dialog->FindWindow(id)); };
        EXPECT_TRUE(box(1211)->GetValue()) << "the preset switch";
        box(1211)->SetValue(false);
        wxCommandEvent run(wxEVT_BUTTON, wxID_OK);
        dialog->ProcessWindowEvent(run);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.TextOf(31210), "ﾁｪｯｸする内容が指定されていません");
        EXPECT_TRUE(dialog->IsModal()) << "the dialog stays open";
        box(1058)->SetValue(true);
        box(1001)->SetValue(true);
        dialog->ProcessWindowEvent(run);
    });
    switches.required = true;
    ASSERT_EQ(CCheckListDlg::Run(nullptr, host, switches), IDOK);
    EXPECT_EQ(switches, (InputCheckSwitches{false, false, false, false, true, true}));
}
