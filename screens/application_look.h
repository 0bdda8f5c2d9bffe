#pragma once

namespace tavelle {

// Name, type face and icon of the application; the windows' designs are drawn for this type face.
// Also bounds the style's picture cache.
// Needs a QApplication.
void applyApplicationLook();

}  // namespace tavelle
