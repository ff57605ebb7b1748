#include "foundation/ObArrayEx.h"

#include "platform/MessageBox.h"

void CObArrayEx::RemoveAll()
{
    if (m_deleteMode == kDeleteEach) {
        for (CObject* element : m_items) {
            delete element;
        }
    } else if (m_deleteMode == kDeleteBlock && !m_items.empty() && m_freeBlock != nullptr) {
        m_freeBlock(m_items[0]);
    }
    m_freeBlock = nullptr;
    CObArray::RemoveAll();
}

void CObArrayEx::RemoveAt(int index, int count)
{
    if (m_deleteMode == kDeleteBlock && index == 0) {
        ShowMessageBox("can't remove first item\n", "", MB_OK);
        return;
    }
    if (m_deleteMode == kDeleteEach) {
        for (int i = index; i < index + count; ++i) {
            delete m_items[i];
        }
    }
    CObArray::RemoveAt(index, count);
}
