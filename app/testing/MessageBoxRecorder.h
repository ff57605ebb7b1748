#pragma once

#include "platform/CString.h"
#include "platform/MessageBox.h"

#include <vector>

// Records every box shown while it lives and answers each with a chosen button.
class CMessageBoxRecorder
{
  public:
    struct Box
    {
        CString text;
        CString caption;
        unsigned style = 0;
    };

    explicit CMessageBoxRecorder(int answer = IDOK);
    ~CMessageBoxRecorder();
    CMessageBoxRecorder(const CMessageBoxRecorder&) = delete;
    CMessageBoxRecorder& operator=(const CMessageBoxRecorder&) = delete;

    const std::vector<Box>& Boxes() const { return m_boxes; }
    // The one box shown; fails the test when there was not exactly one.
    const Box& Only() const;

  private:
    std::vector<Box> m_boxes;
    MessageBoxHandler m_previous;
};
