#pragma once

#include "foundation/ui/HostedField.h"

// Whether the user changed a field since the dialog filled it: typed into its edit, stepped it
// or picked a value.
inline bool IsFieldModified(CHostedField& field)
{
    return field.IsChanged() || field.GetEdit().IsChanged() || field.GetEdit().IsModified();
}
