#pragma once

#include "foundation/TypedEditValue.h"

#include <wx/textctrl.h>

// The edit behind every typed field: it admits only the typed characters its mode allows,
// reads its text into a value when the focus leaves after a change, and shows every value in
// the mode's own form.
class CTypedEdit : public wxTextCtrl
{
  public:
    // Told about the edit's focus after the edit has handled it (a hosted field is).
    class Host
    {
      public:
        virtual ~Host() = default;
        virtual void OnEditSetFocus() {}
        virtual void OnEditKillFocus() {}
    };

    CTypedEdit() = default;
    void SetHost(Host* host) { m_host = host; }
    // alignment: 0 left, 1 centre, 2 right. A text format that asks for several lines or
    // scroll bars must be given here, as GTK cannot switch an edit to them later.
    bool Create(wxWindow* parent, int id, const wxRect& rect, int alignment,
                const TextFormat* format = nullptr);

    // The wx style a text format needs at creation.
    static long StyleOf(const TextFormat* format);
    // True when the format needs a style this edit was not created with.
    bool NeedsRecreate(const TextFormat* format) const;

    CTypedEditValue& GetValueLogic() { return m_value; }
    int GetMode() const { return m_value.GetMode(); }
    void SetTextFormat(const TextFormat* format);
    void SetIntegerFormat(const IntegerFormat* format) { m_value.SetIntegerFormat(format); }
    void SetRealFormat(const RealFormat* format) { m_value.SetRealFormat(format); }
    void SetDecimalFormat(const DecimalFormat* format) { m_value.SetDecimalFormat(format); }
    void SetDateFormat(const char* pattern) { m_value.SetDateFormat(pattern); }
    void SetTimeFormat(const char* pattern) { m_value.SetTimeFormat(pattern); }
    void SetYearMonthFormat(const YearMonthFormat* format) { m_value.SetYearMonthFormat(format); }
    void SetDigitsMode() { m_value.SetDigitsMode(); }

    CString GetText() const;
    // Sets the text with the setting-text flag raised, so hosts ignore the change it causes.
    void SetText(const CString& text);
    bool IsSettingText() const { return m_settingText; }

    // Getters read the present text first, so the shown text is always in the mode's form.
    int GetInteger();
    double GetReal();
    CNumber GetDecimal();
    CDateEx GetDate();
    CDateEx GetTime();
    int GetYearMonth();

    void SetInteger(int value) { SetText(m_value.SetInteger(value)); }
    void SetReal(double value) { SetText(m_value.SetReal(value)); }
    void SetDecimal(const CNumber& value) { SetText(m_value.SetDecimal(value)); }
    void SetDate(const CDateEx& value) { SetText(m_value.SetDate(value)); }
    void SetTime(const CDateEx& value) { SetText(m_value.SetTime(value)); }
    void SetYearMonth(int value) { SetText(m_value.SetYearMonth(value)); }
    // Reads text through the mode's parser, as if typed and left.
    void ParseText(const CString& text) { SetText(m_value.Parse(text)); }

    // Set when the user changed the text since the host last cleared it.
    bool IsChanged() const { return m_changed; }
    void SetChanged(bool changed) { m_changed = changed; }

  private:
    void OnChar(wxKeyEvent& event);
    void OnSetFocus(wxFocusEvent& event);
    void OnKillFocus(wxFocusEvent& event);
    // Beeps and tells the user why the text was refused; the value shown is the one kept.
    void ShowRefusal(const CString& reason);

    CTypedEditValue m_value;
    Host* m_host = nullptr;
    bool m_changed = false;
    bool m_settingText = false;
};
