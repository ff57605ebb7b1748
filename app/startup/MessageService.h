#pragma once

#include "app/settings/VersionInfo.h"
#include "platform/CString.h"
#include "res/messages/MessageTables.h"

#include <cstdarg>

// Shows the program's numbered messages in boxes captioned with the product, version and number.
class CMessageService
{
  public:
    explicit CMessageService(CVersionInfo version = CVersionInfo::Compiled()) : m_version(version) {}

    const CVersionInfo& GetVersion() const { return m_version; }

    // Each looks the number up in its own table and fills the text's placeholders from the
    // arguments; a number the table lacks shows an empty text. They return the pressed button.
    // Information boxes have the OK button only; the others take the caller's buttons.
    int ShowInfoMessage(int number, ...);
    int AskMessage(int number, unsigned buttons, ...);
    int ShowWarningMessage(int number, unsigned buttons, ...);
    int ShowErrorMessage(int number, unsigned buttons, ...);
    int ShowMessageV(MessageKind kind, int number, unsigned buttons, va_list args);

  private:
    // "Zantoby v2.108.0 : MSG=20800"
    CString FormatCaption(int number) const;

    CVersionInfo m_version;
};
