#pragma once

// Flags of a find or replace request from the find dialog: what to search for and what the
// user pressed.
constexpr unsigned int FR_DOWN = 0x1;
constexpr unsigned int FR_WHOLEWORD = 0x2;
constexpr unsigned int FR_MATCHCASE = 0x4;
constexpr unsigned int FR_FINDNEXT = 0x8;
constexpr unsigned int FR_REPLACE = 0x10;
constexpr unsigned int FR_REPLACEALL = 0x20;
constexpr unsigned int FR_DIALOGTERM = 0x40;
