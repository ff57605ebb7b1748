#include "grid/OleDataObject.h"

#include <utility>

void COleDataObject::Offer(Format format, const CString& privateName)
{
    switch (format) {
    case Format::Private:
        for (const Private& offered : m_private) {
            if (offered.name == privateName) {
                return;
            }
        }
        m_private.push_back({privateName, {}});
        break;
    case Format::Text:
        m_textOffered = true;
        break;
    case Format::Files:
        m_filesOffered = true;
        break;
    case Format::Image:
        m_imageOffered = true;
        break;
    }
}

bool COleDataObject::IsDataAvailable(Format format, const CString& privateName) const
{
    switch (format) {
    case Format::Private:
        for (const Private& offered : m_private) {
            if (offered.name == privateName) {
                return true;
            }
        }
        return false;
    case Format::Text:
        return m_textOffered;
    case Format::Files:
        return m_filesOffered;
    case Format::Image:
        return m_imageOffered;
    }
    return false;
}

void COleDataObject::SetPrivateData(const CString& name, std::vector<unsigned char> bytes)
{
    Offer(Format::Private, name);
    for (Private& offered : m_private) {
        if (offered.name == name) {
            offered.bytes = std::move(bytes);
        }
    }
    m_contents = true;
}

const std::vector<unsigned char>& COleDataObject::GetPrivateData(const CString& name) const
{
    static const std::vector<unsigned char> none;
    for (const Private& offered : m_private) {
        if (offered.name == name) {
            return offered.bytes;
        }
    }
    return none;
}

void COleDataObject::SetText(const CString& text, const CString& lost)
{
    m_textOffered = true;
    m_text = text;
    m_lost = lost;
    m_contents = true;
}

void COleDataObject::SetFiles(const CStringArray& files)
{
    m_filesOffered = true;
    m_files.RemoveAll();
    for (int i = 0; i < files.GetSize(); ++i) {
        m_files.Add(files[i]);
    }
    m_contents = true;
}

void COleDataObject::SetImage(Bitmap image)
{
    m_imageOffered = true;
    m_image = std::move(image);
    m_contents = true;
}
