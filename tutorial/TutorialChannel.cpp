#include "tutorial/TutorialChannel.h"

#include <climits>

namespace {

constexpr char kShow[] = "show ";
constexpr char kClose[] = "close";

} // namespace

std::string CTutorialChannel::FormatShow(int topic)
{
    return kShow + std::to_string(topic);
}

std::string CTutorialChannel::FormatClose()
{
    return kClose;
}

bool CTutorialChannel::Parse(const std::string& message, Request& request)
{
    if (message == kClose) {
        request = {Request::Kind::Close, 0};
        return true;
    }
    int topic = 0;
    if (message.starts_with(kShow) && ParseTopic(message.substr(sizeof kShow - 1), topic)) {
        request = {Request::Kind::Show, topic};
        return true;
    }
    return false;
}

bool CTutorialChannel::ParseTopic(const std::string& text, int& topic)
{
    if (text.empty() || text.size() > 10) {
        return false;
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value > INT_MAX) {
        return false;
    }
    topic = static_cast<int>(value);
    return true;
}
