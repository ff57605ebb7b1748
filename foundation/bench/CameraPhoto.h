#pragma once

#include "platform/CString.h"

// Writes the benchmarks' camera-like photo: 4000 x 3000 with smooth gradients, edges and sensor
// noise, saved as a JPEG at quality 92. Throws std::runtime_error when it cannot be written.
void WriteCameraPhoto(const CString& path);
