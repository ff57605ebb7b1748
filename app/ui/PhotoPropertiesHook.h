#pragma once

class CZantobyDoc;
class wxWindow;

// Where the list's views open the properties of one of its photos; the photo editor's library,
// which owns the dialog, fills it in when the program starts.
class CPhotoPropertiesHook
{
  public:
    using Handler = void (*)(wxWindow* parent, CZantobyDoc& list, int photo);

    static void Set(Handler handler);
    static bool IsSet();
    // Nothing without a handler.
    static void Run(wxWindow* parent, CZantobyDoc& list, int photo);
};
