#include "platform/ui/testing/PrivateDisplay.h"

#include "platform/ui/testing/QuietChild.h"

#include <cstdlib>
#include <unistd.h>

PrivateDisplay::PrivateDisplay(Reset reset)
{
    int ready[2];
    if (pipe(ready) != 0) {
        return;
    }
    m_server = QuietChild::Fork();
    if (m_server == 0) {
        close(ready[0]);
        // The server picks a free display number and writes it to the pipe once it takes clients.
        const std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               reset == Reset::kNever ? "-noreset" : static_cast<char*>(nullptr), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    std::string number;
    char c = 0;
    while (read(ready[0], &c, 1) == 1 && c != '\n') {
        number += c;
    }
    close(ready[0]);
    if (number.empty()) {
        return;
    }
    if (const char* previous = std::getenv("DISPLAY")) {
        m_previousDisplay = previous;
    }
    setenv("DISPLAY", (":" + number).c_str(), 1);
    m_running = true;
}

PrivateDisplay::~PrivateDisplay()
{
    Stop();
}

bool PrivateDisplay::Stop()
{
    const bool ended = QuietChild::End(m_server) == 0;
    m_server = -1;
    if (m_running) {
        if (m_previousDisplay) {
            setenv("DISPLAY", m_previousDisplay->c_str(), 1);
        } else {
            unsetenv("DISPLAY");
        }
        m_running = false;
    }
    return ended;
}
