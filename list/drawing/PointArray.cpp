#include "list/drawing/PointArray.h"

#include <new>

CPointArray& CPointArray::operator=(const CPointArray& other)
{
    if (this != &other) {
        CopyFrom(other);
    }
    return *this;
}

int CPointArray::AddPoint(int x, int y)
{
    // The array frees its blocks without destructors, which a point does not need.
    void* block = ::operator new(sizeof(CPoint));
    new (block) CPoint(x, y);
    return Add(block);
}

void CPointArray::CopyFrom(const CPointArray& other)
{
    RemoveAll();
    for (int i = 0; i < other.GetSize(); ++i) {
        AddPoint(other.Point(i));
    }
}
