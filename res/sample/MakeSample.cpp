// Writes the program's sample list with its photo folder into a folder: "make run" opens it.
#include "app/SampleListMaker.h"
#include "platform/FileSystem.h"
#include "support/FakeListHost.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    // The list is made without a user: no message needs an answer.
    FakeListHost host;
    const CString path = FileSystem::FromNative(argv[1]) + "/sample.zbk";
    if (!CSampleListMaker(host).Make(path, 12, 6)) {
        std::fprintf(stderr, "the sample list could not be written\n");
        return 1;
    }
    return 0;
}
