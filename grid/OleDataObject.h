#pragma once

#include "platform/Arrays.h"
#include "platform/Bitmap.h"
#include "platform/CString.h"

#include <vector>

// What a drag brings to the grid's owner: which kinds of data it offers and, once dropped, their
// contents. The window layer fills it from the toolkit's drag data; owners ask it as they would
// ask a clipboard.
class COleDataObject
{
  public:
    enum class Format
    {
        Private, // one of the program's own formats, by name
        Text,
        Files, // a list of files (text/uri-list)
        Image
    };

    // The formats on offer; contents arrive only with the drop.
    void Offer(Format format, const CString& privateName = CString());
    bool IsDataAvailable(Format format, const CString& privateName = CString()) const;
    // Whether the contents are here (during a drop) or only the formats (during the drag).
    bool HasContents() const { return m_contents; }

    void SetPrivateData(const CString& name, std::vector<unsigned char> bytes);
    // The bytes of a private format; empty when it did not come.
    const std::vector<unsigned char>& GetPrivateData(const CString& name) const;
    // lost: the characters of the text that had no Shift_JIS code and stand as "?" in it
    // ("U+20BB7 U+1F600"), empty when none.
    void SetText(const CString& text, const CString& lost = CString());
    const CString& GetText() const { return m_text; }
    const CString& GetLostCharacters() const { return m_lost; }
    void SetFiles(const CStringArray& files);
    const CStringArray& GetFiles() const { return m_files; }
    void SetImage(Bitmap image);
    const Bitmap& GetImage() const { return m_image; }

  private:
    struct Private
    {
        CString name;
        std::vector<unsigned char> bytes;
    };

    bool m_textOffered = false;
    bool m_filesOffered = false;
    bool m_imageOffered = false;
    bool m_contents = false;
    std::vector<Private> m_private;
    CString m_text;
    CString m_lost;
    CStringArray m_files;
    Bitmap m_image;
};
