#pragma once

#include "list/drawing/DrawShape.h"
#include "list/drawing/IDrawPropertyDialogs.h"

#include <memory>

// What makes a shape one kind over the base whose geometry it takes: its kind name, its copy and
// the property dialog it opens. Kind is the concrete class, which passes itself.
template <class Kind, class Base, const char* Name, bool (IDrawPropertyDialogs::*Edit)(Kind&)>
class CDrawShapeKind : public Base
{
  public:
    // Every field but the selected flag.
    std::unique_ptr<CDrawShape> Clone() const override
    {
        auto copy = std::make_unique<Kind>(static_cast<const Kind&>(*this));
        copy->selected = false;
        return copy;
    }
    const char* KindName() const override { return Name; }

  protected:
    bool RunPropertyDialog(IDrawPropertyDialogs& dialogs) override
    {
        return (dialogs.*Edit)(static_cast<Kind&>(*this));
    }
};
