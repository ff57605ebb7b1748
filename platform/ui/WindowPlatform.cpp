#include "platform/ui/WindowPlatform.h"

#include "platform/PrintSpooler.h"
#include "platform/ui/CupsPrintSpooler.h"
#include "platform/ui/WxMessageBox.h"

#include <memory>

void WindowPlatform::Install()
{
    WxMessageBox::Install();
    PrintSpooler::Install(std::make_unique<CupsPrintSpooler>());
}
