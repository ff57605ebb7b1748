#pragma once

#include <string>

// The requests that reach the tutorial viewer's running copy over its single-instance socket:
// show a topic (0 for no particular page: the viewer only comes forward) and close. A topic
// also stands alone as the viewer's one command-line argument.
class CTutorialChannel
{
  public:
    // The name of the viewer's lock and socket, shared by the viewer and its launcher.
    static constexpr char kName[] = "ZantobyTutorial";

    struct Request
    {
        enum class Kind
        {
            Show,
            Close,
        };
        Kind kind = Kind::Show;
        int topic = 0;
    };

    static std::string FormatShow(int topic);
    static std::string FormatClose();
    // False for anything that is not a request.
    static bool Parse(const std::string& message, Request& request);

    // A topic written as decimal digits, 0 to INT_MAX; false for anything else.
    static bool ParseTopic(const std::string& text, int& topic);
};
