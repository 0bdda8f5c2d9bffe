#pragma once

namespace tavelle {

// Name, type face and icon of the application; the windows' designs are drawn for this type face.
// Needs a QApplication.
void applyApplicationLook();

}  // namespace tavelle
