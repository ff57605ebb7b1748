#pragma once

// Which tests the input check of a list runs.
struct InputCheckSwitches
{
    bool required = false;
    bool unique = false;
    bool gaiji = false;
    bool special = false;
    bool kana = false;
    bool files = false;

    bool operator==(const InputCheckSwitches&) const = default;
};
