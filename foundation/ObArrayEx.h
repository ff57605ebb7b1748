#pragma once

#include "platform/Arrays.h"

#include <utility>

// Object array that owns its elements and frees them by its delete mode.
class CObArrayEx : public CObArray
{
  public:
    // 0: every element was made on its own and is deleted alone. 1: the elements lie in one
    // block made by CreateBlock, freed as a whole through element 0. Any other mode frees nothing.
    enum : int
    {
        kDeleteEach = 0,
        kDeleteBlock = 1
    };

    CObArrayEx() = default;
    CObArrayEx(const CObArrayEx&) = delete;
    CObArrayEx& operator=(const CObArrayEx&) = delete;
    ~CObArrayEx() override { RemoveAll(); }

    void SetDeleteMode(int mode) { m_deleteMode = mode; }
    void RemoveAll();
    // In block mode nothing is deleted, and element 0, which holds the block, cannot be removed.
    void RemoveAt(int index, int count = 1);
    void Swap(int i, int j) { std::swap(m_items[i], m_items[j]); }

    // Empties the array, makes count objects in one block, appends them and switches to
    // block mode. Returns the block, or nullptr when count is not positive.
    template <class T> T* CreateBlock(int count)
    {
        RemoveAll();
        if (count <= 0) {
            return nullptr;
        }
        T* block = new T[count];
        m_deleteMode = kDeleteBlock;
        m_freeBlock = [](CObject* first) { delete[] static_cast<T*>(first); };
        for (int i = 0; i < count; ++i) {
            Add(&block[i]);
        }
        return block;
    }

  private:
    int m_deleteMode = kDeleteEach;
    void (*m_freeBlock)(CObject* first) = nullptr; // knows the element type of the block
};
