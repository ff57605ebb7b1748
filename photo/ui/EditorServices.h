#pragma once

class IEditorWindowHost;
class IPhotoEditorHost;

// Where the photo editor's documents, views and dialogs find the application: the framework
// makes them by class name, so they cannot be handed their host. The application installs its
// services once at start-up, before any editor opens.
class CEditorServices
{
  public:
    static void Install(IPhotoEditorHost& host, IEditorWindowHost& windows);
    static IPhotoEditorHost& Host();
    static IEditorWindowHost& Windows();
};
