#include "grid/GridPtrList.h"

int CGridPtrList::Add(void* item, int value, const std::array<int, 4>& further)
{
    int index = 0;
    while (index < GetCapacity() && m_slots[index].inUse) {
        ++index;
    }
    if (index == GetCapacity()) {
        m_slots.resize(m_slots.size() + kGrowBy);
    }
    m_slots[index] = Slot{true, item, value, further};
    ++m_inUse;
    return index;
}

void* CGridPtrList::GetAt(int index) const
{
    if (index < 0 || index >= GetCapacity() || !m_slots[index].inUse) {
        return nullptr;
    }
    return m_slots[index].item;
}

int CGridPtrList::GetValue(int index) const
{
    if (index < 0 || index >= GetCapacity() || !m_slots[index].inUse) {
        return 0;
    }
    return m_slots[index].value;
}

bool CGridPtrList::FreeAt(int index)
{
    if (index < 0 || index >= GetCapacity() || !m_slots[index].inUse) {
        return false;
    }
    m_slots[index] = Slot{};
    --m_inUse;
    return true;
}
