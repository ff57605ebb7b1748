#include "photo/ShapeCommands.h"

#include "list/drawing/DrawGroup.h"
#include "photo/EditPhotoModel.h"

#include <vector>

std::unique_ptr<CDrawShape> CShapeCommands::TakeShape(CDrawShapeList& shapes, int index)
{
    std::unique_ptr<CDrawShape> shape(shapes.GetShape(index));
    shapes.CObArray::RemoveAt(index);
    return shape;
}

CDrawShapeList& CShapeCommands::Shapes() const
{
    return m_model.drawing.shapes;
}

bool CShapeCommands::HasSelection() const
{
    return Shapes().CountSelected() > 0;
}

bool CShapeCommands::HasSeveralSelected() const
{
    return Shapes().CountSelected() >= 2;
}

bool CShapeCommands::IsMovable(int index) const
{
    const CDrawShape* shape = Shapes().GetShape(index);
    return shape->selected && shape->KindName() != DrawKind::kArea;
}

void CShapeCommands::Commit()
{
    m_model.RenderImage();
    m_model.SetModifiedFlag(true);
}

void CShapeCommands::Delete()
{
    CDrawShapeList& shapes = Shapes();
    for (int i = shapes.GetSize() - 1; i >= 0; --i) {
        if (shapes.GetShape(i)->selected) {
            if (shapes.GetShape(i)->KindName() == DrawKind::kArea) {
                shapes.hasArea = false;
            }
            shapes.RemoveAt(i);
        }
    }
    Commit();
}

void CShapeCommands::Duplicate()
{
    CDrawShapeList& shapes = Shapes();
    std::vector<std::unique_ptr<CDrawShape>> clones;
    for (int i = 0; i < shapes.GetSize(); ++i) {
        if (!IsMovable(i)) {
            continue;
        }
        if (auto clone = shapes.GetShape(i)->Clone()) {
            clone->MoveResize(1, 0, 0, 80, 80, 0);
            clone->selected = true;
            clones.push_back(std::move(clone));
        }
    }
    if (!clones.empty()) {
        shapes.DeselectAll();
    }
    for (auto& clone : clones) {
        shapes.AddShape(std::move(clone));
    }
    Commit();
}

void CShapeCommands::Flip(bool leftRight)
{
    ActOnSelectionOrPhoto(
        [leftRight](CDrawShape& shape, const CRect& frame) {
            if (leftRight) {
                shape.FlipHorizontal(frame);
            } else {
                shape.FlipVertical(frame);
            }
        },
        [this, leftRight] { m_model.FlipPhoto(leftRight); });
}

void CShapeCommands::Rotate(int quarterTurns)
{
    ActOnSelectionOrPhoto(
        [quarterTurns](CDrawShape& shape, const CRect& frame) { shape.Rotate(quarterTurns, frame); },
        [this, quarterTurns] { m_model.RotatePhoto(quarterTurns); });
}

void CShapeCommands::ActOnSelectionOrPhoto(const std::function<void(CDrawShape&, const CRect&)>& onShape,
                                           const std::function<void()>& onPhoto)
{
    CDrawShapeList& shapes = Shapes();
    if (HasSelection()) {
        const CRect frame = shapes.GetSelectedBounds();
        for (int i = 0; i < shapes.GetSize(); ++i) {
            if (shapes.GetShape(i)->selected) {
                onShape(*shapes.GetShape(i), frame);
            }
        }
    } else {
        onPhoto();
    }
    Commit();
}

std::vector<std::unique_ptr<CDrawShape>> CShapeCommands::TakeSelected()
{
    CDrawShapeList& shapes = Shapes();
    std::vector<std::unique_ptr<CDrawShape>> taken;
    for (int i = 0; i < shapes.GetSize();) {
        if (IsMovable(i)) {
            taken.push_back(TakeShape(shapes, i));
        } else {
            ++i;
        }
    }
    return taken;
}

void CShapeCommands::BringToFront()
{
    CDrawShapeList& shapes = Shapes();
    std::vector<std::unique_ptr<CDrawShape>> taken = TakeSelected();
    for (auto& shape : taken) {
        shapes.AddShape(std::move(shape));
    }
    Commit();
}

void CShapeCommands::SendToBack()
{
    CDrawShapeList& shapes = Shapes();
    std::vector<std::unique_ptr<CDrawShape>> taken = TakeSelected();
    int at = shapes.GetSize() > 0 && shapes.GetShape(0)->KindName() == DrawKind::kArea ? 1 : 0;
    for (auto& shape : taken) {
        shapes.InsertAt(at++, shape.release());
    }
    Commit();
}

void CShapeCommands::BringForward()
{
    CDrawShapeList& shapes = Shapes();
    for (int i = shapes.GetSize() - 2; i >= 0; --i) {
        if (IsMovable(i)) {
            shapes.Swap(i, i + 1);
        }
    }
    Commit();
}

void CShapeCommands::SendBackward()
{
    CDrawShapeList& shapes = Shapes();
    for (int i = 1; i < shapes.GetSize(); ++i) {
        if (IsMovable(i) && shapes.GetShape(i - 1)->KindName() != DrawKind::kArea) {
            shapes.Swap(i, i - 1);
        }
    }
    Commit();
}

int CShapeCommands::FirstSelected() const
{
    const int count = Shapes().GetSize();
    int first = 0;
    while (first < count && !Shapes().GetShape(first)->selected) {
        ++first;
    }
    return first;
}

void CShapeCommands::SelectOnly(int index)
{
    Shapes().DeselectAll();
    Shapes().GetShape(index)->selected = true;
}

void CShapeCommands::SelectPrevious()
{
    const int count = Shapes().GetSize();
    if (count > 0) {
        const int first = FirstSelected();
        SelectOnly(first > 0 && first < count ? first - 1 : count - 1);
    }
}

void CShapeCommands::SelectNext()
{
    const int count = Shapes().GetSize();
    if (count > 0) {
        const int first = FirstSelected();
        SelectOnly(first < count - 1 ? first + 1 : 0);
    }
}

void CShapeCommands::Group()
{
    CDrawShapeList& shapes = Shapes();
    auto group = std::make_unique<CDrawGroup>();
    for (std::unique_ptr<CDrawShape>& member : TakeSelected()) {
        member->selected = false;
        group->AddMember(std::move(member));
    }
    // A group of nothing would be an empty shape nobody can see or select.
    if (group->members.GetSize() > 0) {
        group->selected = true;
        shapes.AddShape(std::move(group));
    }
    Commit();
}

void CShapeCommands::Ungroup()
{
    CDrawShapeList& shapes = Shapes();
    // Groups nested in the ones undone stay groups: only the shapes there before are looked at.
    int end = shapes.GetSize();
    for (int i = 0; i < end;) {
        auto* group = dynamic_cast<CDrawGroup*>(shapes.GetShape(i));
        if (group == nullptr || !group->selected) {
            ++i;
            continue;
        }
        std::unique_ptr<CDrawShape> owned = TakeShape(shapes, i);
        --end;
        while (group->members.GetSize() > 0) {
            std::unique_ptr<CDrawShape> member = TakeShape(group->members, 0);
            member->selected = true;
            shapes.AddShape(std::move(member));
        }
    }
    Commit();
}
