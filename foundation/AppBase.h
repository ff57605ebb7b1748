#pragma once

#include "foundation/ProfileFile.h"

#include "platform/CString.h"

class CAdoErrors;

// Base of both programs' application objects: where the settings live, typed settings, and
// the error report with its .err log files. The profile calls are the application's own, as
// on the framework's application object.
class CAppBase : public CProfileFile
{
  public:
    // appName captions the error boxes.
    explicit CAppBase(const CString& appName);
    virtual ~CAppBase() = default;
    CAppBase(const CAppBase&) = delete;
    CAppBase& operator=(const CAppBase&) = delete;

    const CString& GetAppName() const { return m_appName; }

    // Profile file
    // A non-empty name is used as it is; an empty one gives $XDG_CONFIG_HOME/zantoby/Zantoby.ini.
    void SetIniFile(const CString& name);
    const CString& GetIniFile() const { return GetPath(); }

    // Error report
    // Shows the message (a default when empty) with the source file and line in a stop box,
    // then writes it to an error-log file.
    virtual void ReportError(const char* message, const char* sourceFile, int line);
    // The same with the provider's errors appended.
    virtual void ReportAdoError(const CAdoErrors& errors, const char* message, const char* sourceFile,
                                int line);
    // Deletes the error logs last written before today's midnight less days, then all but the
    // keep newest of the rest; (0, 0) deletes them all.
    virtual void PurgeErrorFiles(int days, int keep);

    // Writes one error-log file named by the local time of the report; a second report in the
    // same second gets a counter after the time ("..._02.err"), so that no report is lost.
    // Nothing while writing error files is off (the default).
    void WriteErrorFile(const char* message, const char* fileName, int line);
    void SetWriteErrorFiles(bool on) { m_writeErrorFiles = on; }
    bool GetWriteErrorFiles() const { return m_writeErrorFiles; }

    // The folder of the error-log files: $XDG_STATE_HOME/zantoby.
    static CString GetErrorFolder();
    // The system's text for the last error (errno); empty when there is none.
    static CString GetLastErrorText();

  protected:
    // The error box's text: the message, then the source file's name and the line.
    static CString FormatErrorBoxText(const CString& message, const char* sourceFile, int line);

  private:
    void ShowSaveFailure();

    CString m_appName;
    bool m_writeErrorFiles = false;
};
