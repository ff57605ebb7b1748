// Every paper the desktop's print dialogs know by name has a name here, whichever form of its
// media name the print system reports.
#include "foundation/PaperNames.h"

#include <gtest/gtest.h>

#include <gtk/gtk.h>

#include <cstdio>
#include <set>
#include <string>

TEST(PaperNames, EveryPaperTheDesktopKnowsHasANameInBothFormsOfItsMediaName)
{
    GList* papers = gtk_paper_size_get_paper_sizes(FALSE);
    int count = 0;
    std::set<std::string> names;
    for (GList* item = papers; item != nullptr; item = item->next) {
        auto* paper = static_cast<GtkPaperSize*>(item->data);
        const std::string stem = gtk_paper_size_get_name(paper);
        char full[160];
        std::snprintf(full, sizeof full, "%s_%gx%gmm", stem.c_str(), gtk_paper_size_get_width(paper, GTK_UNIT_MM),
                      gtk_paper_size_get_height(paper, GTK_UNIT_MM));
        const CString name = CPaperNames::Of(CString(stem.c_str()));
        EXPECT_FALSE(name.IsEmpty()) << stem;
        EXPECT_EQ(CString(CPaperNames::Of(CString(full))), name) << full;
        EXPECT_EQ(name.Find(" mm"), -1) << stem << " is named by more than its size";
        names.insert(std::string(name.view()));
        ++count;
    }
    g_list_free_full(papers, reinterpret_cast<GDestroyNotify>(gtk_paper_size_free));
    EXPECT_GT(count, 100);
    EXPECT_EQ(static_cast<int>(names.size()), count) << "no two papers share a name";
}

TEST(PaperNames, KeywordsThatAreNoKnownPaperHaveNoName)
{
    EXPECT_STREQ(CPaperNames::Of("custom_182.74x256.47mm_182.74x256.47mm"), "");
    EXPECT_STREQ(CPaperNames::Of("iso_a4_210x297mm_borderless"), "") << "a variant is found by its size instead";
    EXPECT_STREQ(CPaperNames::Of(""), "");
    EXPECT_STREQ(CPaperNames::Of("iso_a4_"), "");
    EXPECT_STREQ(CPaperNames::Of("na_index-4x6_4x6in"), "Index 4×6");
}
