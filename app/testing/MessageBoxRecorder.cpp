#include "app/testing/MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <utility>

CMessageBoxRecorder::CMessageBoxRecorder(int answer)
{
    m_previous =
        SetMessageBoxHandler([this, answer](const CString& text, const CString& caption, unsigned style) {
            m_boxes.push_back({text, caption, style});
            return answer;
        });
}

CMessageBoxRecorder::~CMessageBoxRecorder()
{
    SetMessageBoxHandler(std::move(m_previous));
}

const CMessageBoxRecorder::Box& CMessageBoxRecorder::Only() const
{
    static const Box none;
    EXPECT_EQ(m_boxes.size(), 1u) << "expected exactly one message box";
    return m_boxes.empty() ? none : m_boxes.front();
}
