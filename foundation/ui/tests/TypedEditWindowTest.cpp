// Typed fields of a dialog driven by real keys: full-width digits typed through the input method,
// integers past their range, and refused decimals and dates that keep the value and say why.
#include "foundation/ui/AnchorDialog.h"
#include "foundation/ui/EditField.h"
#include "platform/ui/WindowPlatform.h"
#include "platform/ui/WxText.h"
#include "platform/ui/testing/ShownBoxTexts.h"
#include "platform/ui/testing/UserInput.h"
#include "platform/ui/testing/WxTestEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

enum : int
{
    idWheel = 1001,
    idPrice = 1002,
    idDay = 1003,
};

const DialogItemInfo kItems[] = {
    {idWheel, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idPrice, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {idDay, 0, kDefaultColor, kDefaultColor, 0, nullptr},
    {0, 0, kDefaultColor, kDefaultColor, 0, nullptr},
};

const IntegerFormat kWheel{NF_SHOW_ZERO | NF_MAXIMUM | NF_MINIMUM, 10, 1};
const DecimalFormat kPrice{NF_SHOW_ZERO | NF_SEPARATORS, 2, 0, 0, false};

class TypedFieldsDialog : public CAnchorDialog
{
  public:
    TypedFieldsDialog() : CAnchorDialog(nullptr, 998, "入力", wxSize(300, 130))
    {
        new wxWindow(this, idWheel, wxPoint(10, 10), wxSize(200, 26));
        new wxWindow(this, idPrice, wxPoint(10, 50), wxSize(200, 26));
        new wxWindow(this, idDay, wxPoint(10, 90), wxSize(200, 26));
    }
    bool OnInitDialog() override
    {
        SetAnchorTable(kItems, false);
        wheel.CreateOverDialogItem(this, idWheel, FindItemInfo(idWheel));
        wheel.GetEdit().SetIntegerFormat(&kWheel);
        price.CreateOverDialogItem(this, idPrice, FindItemInfo(idPrice));
        price.GetEdit().SetDecimalFormat(&kPrice);
        day.CreateOverDialogItem(this, idDay, FindItemInfo(idDay));
        day.GetEdit().SetDateFormat("GGGE年M月D日");
        wheel.GetEdit().SetInteger(2);
        price.GetEdit().SetDecimal(CNumber(1200));
        return true;
    }
    CEditField wheel;
    CEditField price;
    CEditField day;
};

class TypedEditWindowTest : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        // GTK's own input method composes a character by its code after Ctrl+Shift+U.
        setenv("GTK_IM_MODULE", "gtk-im-context-simple", 1);
        WxTestEnvironment::Ensure();
        // Message boxes are real boxes, answered by keys.
        WindowPlatform::Install();
        dialog = new TypedFieldsDialog();
        dialog->InitDialog();
        dialog->Show();
        ASSERT_TRUE(UserInput::Activate(*dialog));
    }
    void TearDown() override { dialog->Destroy(); }

    // Clicks into the field, types over its text, and leaves it with Tab.
    void TypeInto(CEditField& field, const char* keys)
    {
        UserInput::Click(field.GetEdit(), wxPoint(20, 10));
        UserInput::Press('a', wxMOD_CONTROL);
        UserInput::Type(keys);
        UserInput::Press(WXK_TAB);
        UserInput::Settle();
    }

    TypedFieldsDialog* dialog = nullptr;
};

} // namespace

TEST_F(TypedEditWindowTest, FullWidthDigitsTypedThroughTheInputMethodCount)
{
    CTypedEdit& edit = dialog->wheel.GetEdit();
    UserInput::Click(edit, wxPoint(20, 10));
    UserInput::Press(WXK_END);
    UserInput::Press(WXK_BACK);
    // Ｕ+FF18 is the full-width 8.
    UserInput::Press('u', wxMOD_CONTROL | wxMOD_SHIFT);
    UserInput::Type("ff18 ");
    UserInput::Settle();
    EXPECT_EQ(edit.GetText(), "8") << "the digit is written half-width as it is typed";
    UserInput::Press(WXK_TAB);
    UserInput::Settle();
    EXPECT_EQ(edit.GetInteger(), 8);
}

TEST_F(TypedEditWindowTest, IntegersPastTheRangeTakeTheLimit)
{
    TypeInto(dialog->wheel, "3000000000");
    EXPECT_EQ(dialog->wheel.GetEdit().GetText(), "10");
}

TEST_F(TypedEditWindowTest, ARefusedValueKeepsTheOldOneAndABoxSaysWhy)
{
    ShownBoxTexts boxes;
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    TypeInto(dialog->price, "99999999999999999999");
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 1u);
    EXPECT_EQ(boxes.texts[0], "99999999999999999999 は入力できる数値の範囲を超えています");
    EXPECT_EQ(dialog->price.GetEdit().GetText(), "1,200.00");
    EXPECT_EQ(dialog->price.GetEdit().GetDecimal().GetValue().GetUnits(), 12000000);
    ASSERT_TRUE(UserInput::Activate(*dialog));
    EXPECT_TRUE(WxTestEnvironment::PumpUntil([&] { return dialog->price.GetEdit().HasFocus(); }))
        << "the field takes the focus back to be corrected";

    TypeInto(dialog->day, "r6.3.5");
    EXPECT_EQ(dialog->day.GetEdit().GetText(), "令和6年3月5日");
    UserInput::AnswerNextModal([](wxWindow*) { UserInput::Press(WXK_RETURN); });
    TypeInto(dialog->day, "2024/2/30");
    ASSERT_TRUE(UserInput::Finish());
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[1], "2024/2/30 は日付として変換できません");
    EXPECT_EQ(dialog->day.GetEdit().GetText(), "令和6年3月5日");
}
