#pragma once

class CEditPhotoDoc;
class CZantobyDoc;

// The photo editor as the program's window tests find it.
// The open photo editor document, or null.
CEditPhotoDoc* OpenEditorDocument();
// The first display line of a list whose row has a photo; -1 when none has.
int FirstLineWithPhoto(CZantobyDoc& list);
