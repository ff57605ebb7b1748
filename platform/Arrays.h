#pragma once

#include "platform/CString.h"

#include <algorithm>
#include <vector>

// Base of the program's own objects, so that owning arrays can delete what they hold through a
// virtual destructor.
class CObject
{
public:
    virtual ~CObject() = default;
};

// A growable array with the framework's operations. Indices are ints; access is unchecked, as
// callers check their indices against GetSize().
template <class T>
class CArray
{
public:
    virtual ~CArray() = default;

    int GetSize() const { return static_cast<int>(m_items.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    bool IsEmpty() const { return m_items.empty(); }
    void SetSize(int size, int growBy = -1)
    {
        (void)growBy;
        m_items.resize(size > 0 ? size : 0);
    }

    const T& GetAt(int index) const { return m_items[index]; }
    T& ElementAt(int index) { return m_items[index]; }
    void SetAt(int index, const T& value) { m_items[index] = value; }
    void SetAtGrow(int index, const T& value)
    {
        if (index >= GetSize()) {
            SetSize(index + 1);
        }
        m_items[index] = value;
    }
    const T& operator[](int index) const { return m_items[index]; }
    T& operator[](int index) { return m_items[index]; }
    T* GetData() { return m_items.data(); }
    const T* GetData() const { return m_items.data(); }

    int Add(const T& value)
    {
        m_items.push_back(value);
        return GetUpperBound();
    }
    int Append(const CArray& other)
    {
        int first = GetSize();
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
        return first;
    }
    void Copy(const CArray& other) { m_items = other.m_items; }
    void InsertAt(int index, const T& value, int count = 1)
    {
        if (index > GetSize()) {
            SetSize(index);
        }
        m_items.insert(m_items.begin() + index, count, value);
    }
    void RemoveAt(int index, int count = 1)
    {
        m_items.erase(m_items.begin() + index, m_items.begin() + index + count);
    }
    void RemoveAll() { m_items.clear(); }
    void FreeExtra() { m_items.shrink_to_fit(); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }
    auto begin() const { return m_items.begin(); }
    auto end() const { return m_items.end(); }

protected:
    std::vector<T> m_items;
};

class CStringArray : public CArray<CString>
{
};

class CUIntArray : public CArray<unsigned int>
{
};

class CDWordArray : public CArray<unsigned long>
{
};

class CWordArray : public CArray<unsigned short>
{
};

class CByteArray : public CArray<unsigned char>
{
};

class CPtrArray : public CArray<void*>
{
};

class CObArray : public CArray<CObject*>
{
};
