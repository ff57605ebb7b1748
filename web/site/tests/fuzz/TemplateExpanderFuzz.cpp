// An HTML base file from outside expanded with its tags over a small list: twelve rows, two of
// them with photos, on the second of three pages.
#include "shared/WebTestList.h"
#include "web/site/WebTemplateExpander.h"

#include <cstdint>
#include <memory>

namespace {

struct SmallList
{
    SmallList()
    {
        for (int i = 0; i < 12; ++i) {
            CString name;
            name.Format("品%d<&>", i);
            page.rows.push_back(list.AddRow({name, "12", "3.5", "備考"}));
        }
        list.AddPhoto(page.rows[0], 0, "写真");
        list.AddPhoto(page.rows[0], 1);
        list.AddPhoto(page.rows[5], 2, "二");
        page.pageCount = 3;
        page.currentPage = 1;
    }

    WebTestList list;
    WebPageContext page;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The list is only read by the expander, so one serves every input.
    static SmallList small;
    CString text(std::string_view(reinterpret_cast<const char*>(data), size));
    CWebTemplateExpander expander(*small.list.doc, small.page);
    expander.ExpandTemplate(0, text, WebExpansionWindow{0, 5, 0, 128, 0, 20});
    return 0;
}
