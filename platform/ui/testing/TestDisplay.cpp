#include "platform/ui/testing/TestDisplay.h"

#include "platform/ui/WindowPlatform.h"

#include <X11/Xlib.h>

#include <functional>

#include <unistd.h>

namespace {

constexpr int kTries = 200;
constexpr int kTryGapUs = 50 * 1000;

bool Retry(const std::function<bool()>& attempt)
{
    for (int i = 0; i < kTries; ++i) {
        if (attempt()) {
            return true;
        }
        usleep(kTryGapUs);
    }
    return false;
}

} // namespace

Display* TestDisplay::Open()
{
    Display* display = nullptr;
    Retry([&] { return (display = XOpenDisplay(nullptr)) != nullptr; });
    return display;
}

bool TestDisplay::AwaitForToolkit()
{
    return Retry([] { return WindowPlatform::HasDisplay(); });
}
