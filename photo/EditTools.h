#pragma once

#include "photo/DrawingDefaults.h"
#include "platform/Geometry.h"

#include <memory>

class Canvas;
class CDrawShape;
class CEditPhotoModel;
class CEditViewMapping;
class IDrawPropertyDialogs;

// The photo editor's pointer tools: the select tool picks, moves and resizes shapes or spans a
// selection rectangle; each drawing tool makes its kind of shape, which is added to the photo
// once it is big enough. Points are view coordinates; the outlines of a drag are drawn on
// request over the window.
class CEditTools
{
  public:
    CEditTools(CEditPhotoModel& model, const CEditViewMapping& mapping);
    ~CEditTools();
    CEditTools(const CEditTools&) = delete;
    CEditTools& operator=(const CEditTools&) = delete;

    int GetTool() const { return m_tool; }
    void SetTool(int tool) { m_tool = tool; }
    bool IsDragging() const { return m_dragging; }
    const CDrawShape* GetPendingShape() const { return m_pending.get(); }

    void ButtonDown(CPoint view);
    void PointerMove(CPoint view, bool buttonDown, bool shift);
    // dialogs runs the property dialog of a new text.
    void ButtonUp(CPoint view, bool shift, bool ctrl, const DrawingDefaults& defaults,
                  IDrawPropertyDialogs& dialogs);
    // True when the select tool asks for the properties command.
    bool DoubleClick(const DrawingDefaults& defaults);
    // The pointer was taken away in the middle of a drag: the drag ends without an effect.
    void CancelDrag() { m_dragging = false; }

    // The outlines of the drag or of the shape being made, in client coordinates, inverting
    // what lies under them.
    void DrawFeedback(Canvas& dc) const;
    // What the pointer is over with the select tool: a hit code, 0 over no shape.
    int HitKindAt(CPoint view);

  private:
    CPoint ToImage(CPoint view) const;
    bool IsPointListTool() const;
    void BeginShape(CPoint image);
    void DragShape(CPoint image, bool shift);
    void FinishSelect(CPoint view, bool shift, bool ctrl);
    void FinishShape(CPoint image, bool shift, const DrawingDefaults& defaults,
                     IDrawPropertyDialogs& dialogs);
    // Selects the new shape alone, puts it in the list and records the change.
    void Accept(std::unique_ptr<CDrawShape> shape);
    void SelectHitShapeAlone();

    CEditPhotoModel& m_model;
    const CEditViewMapping& m_mapping;
    int m_tool;
    std::unique_ptr<CDrawShape> m_pending;
    CPoint m_start;
    CPoint m_previous;
    int m_dragMode = 0;
    int m_hitIndex = -1;
    bool m_dragging = false;
};
