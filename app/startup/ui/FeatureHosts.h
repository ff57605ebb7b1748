#pragma once

// The one place where the program hands the features what they need of it: the photo editor's
// services and the photo properties that the list's views open.
class CFeatureHosts
{
  public:
    // Called once when the program starts, before any document opens.
    static void Install();
};
