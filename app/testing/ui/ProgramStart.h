#pragma once

#include <string>
#include <vector>

class CZantobyApp;

// Starts the main program inside a test or benchmark as a user starts it (splash, main window,
// the command line's file), once per process; later calls return the same program.
CZantobyApp& StartProgram(const std::vector<std::string>& arguments);
