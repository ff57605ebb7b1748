// Typed numbers, expressions and dates from outside: the evaluator, the number parser and the
// date and time parser. A number the evaluator gives must evaluate to itself from its own text.
#include "foundation/DateEx.h"
#include "foundation/Number.h"
#include "foundation/OleCurrency.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const CString text(std::string_view(reinterpret_cast<const char*>(data), size));

    CNumber number;
    number.ParseExpression(text);
    if (number.GetErrorCode() == CNumber::errorNone && number.IsValid()) {
        const CString written = number.Format(false, 4, true);
        CNumber again;
        again.ParseExpression(written);
        if (again.GetErrorCode() != CNumber::errorNone || !(again.GetValue() == number.GetValue())) {
            std::fprintf(stderr, "%s does not evaluate to itself\n", written.GetString());
            std::abort();
        }
        number.FormatWithPattern("%s円", "▲%s円", true, 2, true);
        number.Round(-2);
        number.FixJis(3);
    }

    COleCurrency currency;
    currency.ParseCurrency(text.view());

    CDateEx date;
    if (date.ParseDateTime(text.view())) {
        date.Format("%Y/%m/%d %H:%M:%S");
        date.FormatDate("GGGEE年MM月DD日(WW) HH:NN:SS");
    }
    return 0;
}
