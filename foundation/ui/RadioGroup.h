#pragma once

#include "platform/Arrays.h"

class wxWindow;

// One radio button of a group and the value it stands for. A table ends with id 0, whose
// value is the group's default.
struct RadioGroupItem
{
    int id;
    int value;
};

// Maps a group of radio buttons of a dialog to values.
class CRadioGroup : public CObject
{
  public:
    void Init(wxWindow* parent, const RadioGroupItem* table);
    // Checks the button of the value and unchecks the others; remembers the value.
    void SetValue(int value);
    // The value of the first checked button; the default when none is.
    int GetValue() const;
    // True when the group was set and its value differs from the one set.
    bool IsModified() const;

  private:
    const RadioGroupItem* m_table = nullptr;
    wxWindow* m_parent = nullptr;
    int m_value = 0;
    bool m_set = false;
};
