#pragma once

#include <array>
#include <vector>

// The grid's growable list of pointers with a value and four further values per slot; it owns
// nothing, and a freed slot is reused by the next Add.
class CGridPtrList
{
  public:
    // Fills the first free slot and returns its index; the capacity grows by 10 when full.
    int Add(void* item, int value = 0, const std::array<int, 4>& further = {});
    // The item of a slot in use; null for a free slot or an index outside the capacity.
    void* GetAt(int index) const;
    int GetValue(int index) const;
    // Marks a slot free; false when it was not in use.
    bool FreeAt(int index);
    int GetCount() const { return m_inUse; }
    int GetCapacity() const { return static_cast<int>(m_slots.size()); }

  private:
    struct Slot
    {
        bool inUse = false;
        void* item = nullptr;
        int value = 0;
        std::array<int, 4> further{};
    };

    static constexpr int kGrowBy = 10;

    std::vector<Slot> m_slots;
    int m_inUse = 0;
};
