#include "tutorial/ui/ItsFSHandler.h"

#include "tutorial/ChmFile.h"
#include "tutorial/ItsAddress.h"

#include "foundation/PathName.h"
#include "platform/ui/WxText.h"

#include <wx/mstream.h>

namespace {

// Pages are HTML whatever the desktop's type database says of the extension (some map "htm"
// to XHTML, which the HTML view would show as plain text).
wxString MimeTypeOf(const CString& page)
{
    CString extension = GetExtensionOfPath(page);
    extension.MakeLower();
    if (extension == "htm" || extension == "html") {
        return "text/html";
    }
    return wxFileSystemHandler::GetMimeTypeFromExt(ToWx(page));
}

} // namespace

void CItsFSHandler::Register()
{
    static bool registered = false;
    if (!registered) {
        registered = true;
        wxFileSystem::AddHandler(new CItsFSHandler);
    }
}

bool CItsFSHandler::CanOpen(const wxString& location)
{
    return GetProtocol(location).IsSameAs("its", false);
}

wxFSFile* CItsFSHandler::OpenFile(wxFileSystem&, const wxString& location)
{
    CString helpFile;
    CString page;
    CChmFile chm;
    std::string bytes;
    if (!CItsAddress::Parse(FromWx(location), helpFile, page) || !chm.Open(helpFile) ||
        !chm.ReadObject(page, bytes)) {
        return nullptr;
    }
    wxMemoryOutputStream copy;
    copy.Write(bytes.data(), bytes.size());
    const wxString address = ToWx(CItsAddress::Format(helpFile, page));
    return new wxFSFile(new wxMemoryInputStream(copy), address, MimeTypeOf(page), GetAnchor(location),
                        wxDateTime());
}
