#pragma once

#include "platform/Geometry.h"

#include <functional>
#include <memory>
#include <vector>

class CDrawShape;
class CDrawShapeList;
class CEditPhotoModel;

// The photo editor's commands on the shapes and the whole photo: delete, duplicate, flips and
// turns, stacking order, stepping through the shapes, group and ungroup. Each change is rendered
// and recorded as one undo step. The area never takes part in duplicate, group or the stacking
// commands and always stays at the bottom.
class CShapeCommands
{
  public:
    explicit CShapeCommands(CEditPhotoModel& model) : m_model(model) {}

    bool HasSelection() const;
    bool HasSeveralSelected() const;

    void Delete();
    void Duplicate();
    // The selected shapes within their bounds, or the whole photo with every shape.
    void Flip(bool leftRight);
    // quarterTurns: -1 right, 1 left.
    void Rotate(int quarterTurns);
    void BringToFront();
    void BringForward();
    void SendBackward();
    void SendToBack();
    // Selects the shape before or after the first selected one, wrapping round; no undo step.
    void SelectPrevious();
    void SelectNext();
    void Group();
    void Ungroup();

    // Takes the shape at index out of the list without deleting it.
    static std::unique_ptr<CDrawShape> TakeShape(CDrawShapeList& shapes, int index);

  private:
    CDrawShapeList& Shapes() const;
    bool IsMovable(int index) const;
    // Takes every selected shape but the area out of the list, in list order.
    std::vector<std::unique_ptr<CDrawShape>> TakeSelected();
    void Commit();
    // The action on every selected shape within their bounds, or without a selection the
    // photo's action; then one undo step.
    void ActOnSelectionOrPhoto(const std::function<void(CDrawShape&, const CRect&)>& onShape,
                               const std::function<void()>& onPhoto);
    // Index of the first selected shape; the count when none is selected.
    int FirstSelected() const;
    void SelectOnly(int index);

    CEditPhotoModel& m_model;
};
