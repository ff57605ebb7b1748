#pragma once

#include "platform/CString.h"

#include <array>

// What the photo properties dialog edits: the five colour corrections, written through to the
// caller's values at once so that a preview can follow, and the comment; the values as they
// were are kept for cancel. A preview is due five timer ticks after the last change.
class CPhotoPropertiesState
{
  public:
    static constexpr int kBarCount = 5; // brightness, shade, red, green, blue
    static constexpr int kBarOffset = 256;
    static constexpr int kMinPosition = 1;
    static constexpr int kMaxPosition = 511;
    static constexpr int kPreviewTicks = 5;

    // adjustments and comment may be null for a photo that is only shown.
    CPhotoPropertiesState(const std::array<int*, kBarCount>& adjustments, CString* comment, bool editable);

    bool IsEditable() const { return m_editable; }
    bool IsChanged() const { return m_changed; }
    int GetValue(int bar) const;
    // Track bar position of a value: value + 256.
    int GetPosition(int bar) const { return GetValue(bar) + kBarOffset; }

    void MoveBar(int bar, int position);
    // Every correction back to 0.
    void Reset();
    void CommentChanged() { m_changed = true; }
    // One timer tick; true on the tick that makes the preview due.
    bool Tick();

    // OK takes the comment when something changed; cancel puts the values back as they were.
    void Ok(const CString& commentText);
    void Cancel();

  private:
    void Changed();

    std::array<int*, kBarCount> m_adjustments;
    std::array<int, kBarCount> m_saved{};
    CString* m_comment;
    CString m_savedComment;
    bool m_editable;
    bool m_changed = false;
    int m_countdown = 0;
};
