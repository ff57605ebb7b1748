#pragma once

#include "app/frame/StatusTexts.h"
#include "app/settings/ProfileSettings.h"
#include "app/settings/VersionInfo.h"
#include "app/startup/MessageService.h"
#include "foundation/AppBase.h"

// The application object without its windows: it gives the other parts of the program the
// numbered messages, the error report, the status texts, the version and the settings. The
// window application owns one and delegates to it.
class CZantobyAppCore : public CAppBase
{
  public:
    explicit CZantobyAppCore(CVersionInfo version = CVersionInfo::Compiled());

    CMessageService& Messages() { return m_messages; }
    CStatusTexts& StatusTexts() { return m_statusTexts; }
    CProfileSettings& Settings() { return m_settings; }
    const CProfileSettings& Settings() const { return m_settings; }

    CString GetVersionString() const { return m_messages.GetVersion().GetVersionString(); }
    int GetVersionNumber() const { return m_messages.GetVersion().GetVersionNumber(); }

    // Shows the message (a default when empty), the system's text for a pending error, and the
    // source file name and line in a stop box captioned with the product and version, then
    // writes the report to an error-log file once error files are switched on.
    void ReportError(const char* message, const char* sourceFile, int line) override;

    // The folder of the program's Sample and Template folders: the installed program's data
    // folder, else "res" beside the program's own folder, where the build puts them.
    static CString GetResourceFolder();

  private:
    CMessageService m_messages;
    CStatusTexts m_statusTexts;
    CProfileSettings m_settings{*this};
};
