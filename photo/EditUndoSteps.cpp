#include "photo/EditUndoSteps.h"

#include "foundation/FileUtility.h"
#include "foundation/TextFile.h"
#include "list/drawing/DrawingData.h"
#include "platform/File.h"
#include "platform/FileSystem.h"

#include <time.h>

#include <cstdio>

namespace {

int TickCount()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int>((now.tv_sec * 1000LL + now.tv_nsec / 1000000) % 86400);
}

} // namespace

CEditUndoSteps::~CEditUndoSteps() = default;

void CEditUndoSteps::Reset(const CString& tempFolder)
{
    m_on = true;
    m_oldest = 0;
    m_last = -1;
    m_current = -1;
    if (m_prefix.IsEmpty()) {
        // The tick count keeps two editors apart; one whose files are still there is taken.
        int number = TickCount();
        for (int tries = 0; tries < 86400; ++tries) {
            m_prefix.Format("%sZantobyEditPhoto_%05d_", tempFolder.GetString(), number);
            if (ListFiles(m_prefix + "*.*", nullptr, false) == 0) {
                break;
            }
            number = (number + 1) % 86400;
        }
    }
    DeleteFiles();
}

void CEditUndoSteps::DeleteFiles() const
{
    if (!m_prefix.IsEmpty()) {
        ::DeleteFiles(m_prefix + "*.*");
    }
}

CString CEditUndoSteps::StepPath(int step) const
{
    CString path;
    path.Format("%s%d.drw", m_prefix.GetString(), step);
    return path;
}

void CEditUndoSteps::Record(CDrawingData& drawing, const CString& versionString)
{
    if (!m_on) {
        return;
    }
    const CString text = drawing.WriteText(versionString);
    ++m_current;
    m_last = m_current;
    if (FILE* stream = FileSystem::OpenStream(StepPath(m_current), "wb")) {
        std::fwrite(text.GetString(), 1, static_cast<size_t>(text.GetLength()), stream);
        std::fclose(stream);
    }
    while (m_oldest < m_last - kMaxSteps) {
        DeletePath(StepPath(m_oldest));
        ++m_oldest;
    }
}

bool CEditUndoSteps::StepBack()
{
    if (!CanUndo()) {
        return false;
    }
    --m_current;
    return true;
}

bool CEditUndoSteps::StepForward()
{
    if (!CanRedo()) {
        return false;
    }
    ++m_current;
    return true;
}

void CEditUndoSteps::LoadCurrent(CDrawingData& drawing) const
{
    CString text;
    if (ReadTextFile(text, StepPath(m_current), CFile::modeRead | CFile::typeText)) {
        drawing.ReadText(text);
    }
}
