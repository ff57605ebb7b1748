#pragma once

// Key codes of key-down and key-up events and the key flags of mouse events, with the values
// the program's stored settings and derived classes compare against.

// Key codes
constexpr unsigned int VK_BACK = 0x08;
constexpr unsigned int VK_TAB = 0x09;
constexpr unsigned int VK_RETURN = 0x0D;
constexpr unsigned int VK_SHIFT = 0x10;
constexpr unsigned int VK_CONTROL = 0x11;
constexpr unsigned int VK_MENU = 0x12;
constexpr unsigned int VK_ESCAPE = 0x1B;
constexpr unsigned int VK_SPACE = 0x20;
constexpr unsigned int VK_PRIOR = 0x21;
constexpr unsigned int VK_NEXT = 0x22;
constexpr unsigned int VK_END = 0x23;
constexpr unsigned int VK_HOME = 0x24;
constexpr unsigned int VK_LEFT = 0x25;
constexpr unsigned int VK_UP = 0x26;
constexpr unsigned int VK_RIGHT = 0x27;
constexpr unsigned int VK_DOWN = 0x28;
constexpr unsigned int VK_INSERT = 0x2D;
constexpr unsigned int VK_DELETE = 0x2E;
constexpr unsigned int VK_F1 = 0x70;
constexpr unsigned int VK_F2 = 0x71;

// Key flags of mouse events
constexpr unsigned int MK_LBUTTON = 0x01;
constexpr unsigned int MK_RBUTTON = 0x02;
constexpr unsigned int MK_SHIFT = 0x04;
constexpr unsigned int MK_CONTROL = 0x08;
constexpr unsigned int MK_MBUTTON = 0x10;
