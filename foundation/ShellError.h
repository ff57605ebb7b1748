#pragma once

// The Japanese texts of the reasons a document or program could not be started.
class CShellError
{
  public:
    enum Code
    {
        none = -1,
        outOfResources = 0,
        fileNotFound = 2,
        pathNotFound = 3,
        accessDenied = 5,
        outOfMemory = 8,
        badFormat = 11,
        sharingViolation = 26,
        associationIncomplete = 27,
        ddeTimeout = 28,
        ddeFailed = 29,
        ddeBusy = 30,
        noAssociation = 31,
        dllNotFound = 32,
    };

    // The text of a code; "" for none and for codes without a text.
    static const char* Text(int code);
};
