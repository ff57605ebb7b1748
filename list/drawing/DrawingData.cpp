#include "list/drawing/DrawingData.h"

#include "foundation/ExifOrientation.h"
#include "foundation/StringArrayEx.h"
#include "foundation/TextFile.h"
#include "foundation/TextHelper.h"
#include "list/drawing/DrawArea.h"
#include "list/drawing/DrwLineReader.h"
#include "list/drawing/DrwValues.h"
#include "list/drawing/IDrawingHost.h"
#include "platform/FileException.h"
#include "platform/SystemText.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include <vector>

namespace {

// Fields of the first line whose first field is keyword, cut at every ","; false when there is
// none.
bool FindKeywordLine(CDrwLineReader& reader, const char* keyword, CStringArrayEx& fields)
{
    reader.Rewind();
    CString line;
    while (reader.ReadLine(line)) {
        if (line.IsEmpty() || line[0] == ';') {
            continue;
        }
        fields.Split(line, ',');
        if (fields[0] == keyword) {
            return true;
        }
    }
    return false;
}

} // namespace

bool CDrawingData::Read(const CString& filePath, IDrawingHost& host)
{
    try {
        CString text;
        if (!ReadTextFile(text, filePath, CFile::modeRead | CFile::typeText)) {
            return true;
        }
        ReadText(text);
        return true;
    } catch (const std::exception& e) {
        host.ReportError(e.what(), "EditPhotoDoc", __LINE__);
        return false;
    }
}

bool CDrawingData::Write(const CString& filePath, IDrawingHost& host)
{
    CTextFile file;
    CFileException error(CFileException::none, 0, filePath);
    if (!file.Open(filePath, CFile::modeCreate | CFile::modeWrite | CFile::typeText, &error)) {
        host.ShowErrorMessage(41003, filePath + "\n" + SystemErrorText(error.m_lOsError));
        return false;
    }
    try {
        CString text = WriteText(host.GetVersionString());
        file.WriteString(text);
        file.Close();
        return true;
    } catch (const std::exception& e) {
        file.Abort();
        host.ReportError(e.what(), "EditPhotoDoc", __LINE__);
        return false;
    }
}

void CDrawingData::ReadText(const CString& text)
{
    CDrwLineReader reader(text);
    mirrorVert = false;
    mirrorHorz = false;
    rot = 0;

    CStringArrayEx fields;
    if (FindKeywordLine(reader, "photo", fields)) {
        const struct
        {
            const char* pattern;
            int* value;
        } numbers[] = {{"rot=*", &rot}, {"bright=*", &bright}, {"shade=*", &shade},
                       {"red=*", &red}, {"green=*", &green},   {"blue=*", &blue}};
        for (int i = 1; i < fields.GetSize(); ++i) {
            CTextHelper field(fields[i]);
            if (field == "mirror-vert") {
                mirrorVert = true;
            } else if (field == "mirror-horz") {
                mirrorHorz = true;
            }
            for (const auto& number : numbers) {
                if (field.MatchPattern(number.pattern)) {
                    *number.value = DrwValue::ToInt(field.GetString() + field.Find('=') + 1);
                }
            }
        }
        // Any whole number of turns is one of the four positions.
        rot = CDrawShape::NormalizeQuarterTurns(rot);
        for (int* correction : {&bright, &shade, &red, &green, &blue}) {
            *correction =
                std::clamp(*correction, -DrwValue::kMaxColorCorrection, DrwValue::kMaxColorCorrection);
        }
    }

    std::vector<int> selection;
    if (FindKeywordLine(reader, "selected", fields)) {
        for (int i = 1; i < fields.GetSize(); ++i) {
            if (!fields[i].IsEmpty()) {
                selection.push_back(DrwValue::ToInt(fields[i]));
            }
        }
    }

    reader.Rewind();
    shapes.RemoveAll();
    shapes.Read(reader);

    for (int index : selection) {
        if (index >= 0 && index < shapes.GetSize()) {
            shapes.GetShape(index)->selected = true;
        }
    }
}

CString CDrawingData::WriteText(const CString& versionString)
{
    CString out;
    out.Format("; Zantoby %s Drawing Data\n", versionString.GetString());

    if (mirrorVert && mirrorHorz) {
        mirrorVert = false;
        mirrorHorz = false;
        rot = CDrawShape::NormalizeQuarterTurns(rot + 2);
    }
    out += "photo";
    if (mirrorVert) {
        out += ",mirror-vert";
    }
    if (mirrorHorz) {
        out += ",mirror-horz";
    }
    const struct
    {
        const char* key;
        int value;
    } numbers[] = {{"rot", rot}, {"bright", bright}, {"shade", shade},
                   {"red", red}, {"green", green},   {"blue", blue}};
    for (const auto& number : numbers) {
        if (number.value != 0) {
            out.AppendFormat(",%s=%d", number.key, number.value);
        }
    }
    out += "\nselected";
    for (int i = 0; i < shapes.GetSize(); ++i) {
        if (shapes.GetShape(i)->selected) {
            out.AppendFormat(",%d(%s)", i, shapes.GetShape(i)->KindName());
        }
    }
    out += '\n';
    shapes.Write(0, out);
    return out;
}

void CDrawingData::SetOrientation(int orientation)
{
    const ExifTurn turn = GetExifTurn(orientation);
    mirrorVert = turn.mirrorRows;
    mirrorHorz = turn.reverseRows;
    rot = turn.leftTurns;
}

CRect CDrawingData::GetAreaRect() const
{
    for (int i = 0; i < shapes.GetSize(); ++i) {
        if (shapes.GetShape(i)->KindName() == DrawKind::kArea) {
            return shapes.GetShape(i)->GetRect();
        }
    }
    return CRect();
}

CRect CDrawingData::GetCropRect(const CRect& frame) const
{
    CRect area = GetAreaRect();
    area.NormalizeRect();
    CRect crop;
    // An area that leaves nothing would give an image without pixels to scale.
    if (area.IsRectEmpty() || !crop.IntersectRect(frame, area)) {
        return frame;
    }
    return crop;
}
