#include "platform/ui/testing/WaylandCompositor.h"

#include "platform/ui/testing/QuietChild.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

WaylandCompositor::WaylandCompositor()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0' || std::getenv("DISPLAY") == nullptr) {
        return;
    }
    if (const char* previous = std::getenv("WAYLAND_DISPLAY")) {
        m_previousSocket = previous;
    }
    const std::string socket = "zantoby-wayland-" + std::to_string(getpid());
    m_compositor = QuietChild::Fork();
    if (m_compositor == 0) {
        const std::string option = "--socket=" + socket;
        execlp("weston", "weston", "--backend=x11-backend.so", option.c_str(), "--width=1200", "--height=900",
               "--idle-time=0", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (m_compositor < 0) {
        return;
    }
    const std::filesystem::path path = std::filesystem::path(runtime) / socket;
    for (int tries = 0; tries < 400 && !m_running; ++tries) {
        m_running = std::filesystem::exists(path);
        if (!m_running) {
            usleep(25 * 1000);
        }
    }
    if (m_running) {
        setenv("WAYLAND_DISPLAY", socket.c_str(), 1);
    }
}

WaylandCompositor::~WaylandCompositor()
{
    QuietChild::End(m_compositor);
    if (m_previousSocket) {
        setenv("WAYLAND_DISPLAY", m_previousSocket->c_str(), 1);
    } else {
        unsetenv("WAYLAND_DISPLAY");
    }
}
