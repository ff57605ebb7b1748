#pragma once

#include "foundation/DateEx.h"

#include "platform/CString.h"

// Reads and writes the settings of one INI file with the Windows private-profile rules: section
// and key names compared without regard to case, values trimmed and stripped of surrounding
// quotes, text kept as Shift_JIS. Every call reads the file afresh and every write rewrites it
// whole (under a lock, through a file beside it), so that two programs can share the file.
class CProfileFile
{
  public:
    CProfileFile() = default;
    explicit CProfileFile(const CString& path) : m_path(path) {}
    virtual ~CProfileFile() = default;

    void SetPath(const CString& path) { m_path = path; }
    const CString& GetPath() const { return m_path; }

    // The value, or defaultValue when the section or key is missing.
    CString GetProfileString(const char* section, const char* key, const char* defaultValue = "") const;
    // The value as a decimal integer: defaultValue when missing or empty, 0 when not a number.
    int GetProfileInt(const char* section, const char* key, int defaultValue) const;
    // Writes the value; a null value deletes the key, a null key the whole section. The file and
    // its folder are made when missing. False when the file cannot be written.
    bool WriteProfileString(const char* section, const char* key, const char* value);
    bool WriteProfileInt(const char* section, const char* key, int value);

    // An integer read as true when it is not 0; written as 1 or 0.
    bool GetProfileBool(const char* section, const char* key, bool defaultValue) const;
    bool WriteProfileBool(const char* section, const char* key, bool value);
    // A real number: defaultValue when the value is empty; written with "%f" (1.5 as 1.500000).
    double GetProfileDouble(const char* section, const char* key, double defaultValue) const;
    bool WriteProfileDouble(const char* section, const char* key, double value);
    // A date and time: null when the value is missing or empty, invalid when it does not parse;
    // written "%Y/%m/%d %H:%M:%S", a null or invalid date as an empty value.
    CDateEx GetProfileDate(const char* section, const char* key) const;
    bool WriteProfileDate(const char* section, const char* key, const CDateEx& date);

  private:
    CString m_path;
};
