#pragma once

class CZantobyDoc;
class wxWindow;

// Where the list's views open the properties of one of its photos; the program fills it in with
// the photo editor's dialog when it starts, so the list windows do without the editor.
class CPhotoPropertiesHook
{
  public:
    using Handler = void (*)(wxWindow* parent, CZantobyDoc& list, int photo);

    static void Set(Handler handler);
    static bool IsSet();
    // Nothing without a handler.
    static void Run(wxWindow* parent, CZantobyDoc& list, int photo);
};
