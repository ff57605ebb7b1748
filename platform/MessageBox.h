#pragma once

#include "platform/CString.h"

#include <functional>

// The message box of the platform. Code without a display asks through this hook; the window
// layer installs a handler that shows a real box, tests install one that records and answers.

// Buttons
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
constexpr unsigned MB_TYPEMASK = 0xF;
// Icons
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
constexpr unsigned MB_ICONMASK = 0xF0;
// Default button and modality
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_APPLMODAL = 0x0000;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_TOPMOST = 0x40000;

// Answers
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

using MessageBoxHandler = std::function<int(const CString& text, const CString& caption, unsigned style)>;

// Installs the handler and returns the previous one. Without a handler, boxes are written to
// standard error and answered with the first button.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a box through the installed handler and returns the pressed button.
int ShowMessageBox(const CString& text, const CString& caption, unsigned style);
