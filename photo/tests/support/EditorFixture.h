#pragma once

#include "list/ZantobyDoc.h"
#include "photo/EditPhotoModel.h"
#include "support/FakeEditorHost.h"
#include "support/FakeListHost.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>

// A list with one photo (slot 0, 80 x 40 pixels of four coloured quadrants) in a folder of its
// own, known to the editor's fake application by its path, and an editor model to open it in.
class EditorFixture : public ::testing::Test
{
  protected:
    EditorFixture();

    // "list path?0"
    CString EditorPath(int photo = 0) const;
    // Opens photo 0 in the model; fails the test when it does not open.
    void OpenPhoto();

    TempFolder temp;
    FakeListHost listHost;
    std::unique_ptr<CZantobyDoc> list;
    FakeEditorHost host;
    CEditPhotoModel model;
};
