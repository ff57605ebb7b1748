#include "foundation/PtrArrayEx.h"

#include <new>

void CPtrArrayEx::RemoveAll()
{
    for (void* block : m_items) {
        ::operator delete(block);
    }
    CPtrArray::RemoveAll();
}

void CPtrArrayEx::RemoveAt(int index, int count)
{
    for (int i = index; i < index + count; ++i) {
        ::operator delete(m_items[i]);
    }
    CPtrArray::RemoveAt(index, count);
}
