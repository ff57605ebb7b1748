#include "photo/PhotoPropertiesState.h"

#include <algorithm>

CPhotoPropertiesState::CPhotoPropertiesState(const std::array<int*, kBarCount>& adjustments, CString* comment,
                                             bool editable)
    : m_adjustments(adjustments), m_comment(comment),
      m_editable(
          editable && comment != nullptr &&
          std::none_of(adjustments.begin(), adjustments.end(), [](int* value) { return value == nullptr; }))
{
    for (int bar = 0; bar < kBarCount; ++bar) {
        m_saved[bar] = GetValue(bar);
    }
    if (m_comment != nullptr) {
        m_savedComment = *m_comment;
    }
}

int CPhotoPropertiesState::GetValue(int bar) const
{
    return bar >= 0 && bar < kBarCount && m_adjustments[bar] != nullptr ? *m_adjustments[bar] : 0;
}

void CPhotoPropertiesState::Changed()
{
    m_countdown = kPreviewTicks;
    m_changed = true;
}

void CPhotoPropertiesState::MoveBar(int bar, int position)
{
    if (!m_editable || bar < 0 || bar >= kBarCount) {
        return;
    }
    *m_adjustments[bar] = std::clamp(position, kMinPosition, kMaxPosition) - kBarOffset;
    Changed();
}

void CPhotoPropertiesState::Reset()
{
    if (!m_editable) {
        return;
    }
    for (int* value : m_adjustments) {
        *value = 0;
    }
    Changed();
}

bool CPhotoPropertiesState::Tick()
{
    if (m_countdown <= 0) {
        return false;
    }
    return --m_countdown == 0;
}

void CPhotoPropertiesState::Ok(const CString& commentText)
{
    if (m_editable && m_changed) {
        *m_comment = commentText;
    }
}

void CPhotoPropertiesState::Cancel()
{
    if (!m_editable) {
        return;
    }
    for (int bar = 0; bar < kBarCount; ++bar) {
        *m_adjustments[bar] = m_saved[bar];
    }
    *m_comment = m_savedComment;
}
