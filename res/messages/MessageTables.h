#pragma once

// The four numbered message tables of the program, compiled in.

// The table a message belongs to; it decides the icon of the box.
enum class MessageKind
{
    Information,
    Question,
    Warning,
    Error,
};

// One message: its number, its table and its printf pattern ("\n" breaks lines).
struct NumberedMessage
{
    int number = 0;
    MessageKind kind = MessageKind::Information;
    const char* text = "";
};

// The message with that number from whichever table holds it; false when no table does.
bool FindMessage(int number, NumberedMessage& message);
