#include "photo/ui/DrawPropertyDialogs.h"

#include "app/ui/ZantobyApp.h"
#include "platform/MessageBox.h"

bool CDrawPropertyDialogs::EditArea(CDrawArea&) { return false; }
bool CDrawPropertyDialogs::EditBox(CDrawBox&) { return false; }
bool CDrawPropertyDialogs::EditEllipse(CDrawEllipse&) { return false; }
bool CDrawPropertyDialogs::EditPolygon(CDrawPolygon&) { return false; }
bool CDrawPropertyDialogs::EditLine(CDrawLine&) { return false; }
bool CDrawPropertyDialogs::EditFreeLine(CDrawFreeLine&) { return false; }
bool CDrawPropertyDialogs::EditShade(CDrawShade&) { return false; }
bool CDrawPropertyDialogs::EditText(CDrawText&) { return true; }
bool CDrawPropertyDialogs::EditGroup(CDrawGroup&) { return false; }
bool CDrawPropertyDialogs::EditPhoto(CEditPhotoDoc&) { return false; }

void CDrawPropertyDialogs::ReportError(const char* message, const char* sourceFile, int line)
{
    wxGetApp().ReportError(message, sourceFile, line);
}

void CDrawPropertyDialogs::ShowErrorMessage(int id, const CString& argument)
{
    wxGetApp().IListHost::ShowErrorMessage(id, MB_OK, argument.GetString());
}

CString CDrawPropertyDialogs::GetVersionString()
{
    return wxGetApp().GetVersionString();
}
