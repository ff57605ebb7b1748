#include "foundation/ShellError.h"

#include <gtest/gtest.h>

TEST(ShellErrorTexts, KnownCodesHaveTextsAndOthersNone)
{
    EXPECT_STREQ(CShellError::Text(CShellError::sharingViolation), "共有違反が発生しました。");
    EXPECT_STREQ(CShellError::Text(CShellError::none), "");
    EXPECT_STREQ(CShellError::Text(4), "");
}
