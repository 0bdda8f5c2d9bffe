#pragma once

#include <QPixmap>
#include <QSize>

class QLabel;

namespace tavelle {

using PictureDrawing = QPixmap (*)(QSize pixels);

// Shows a picture the application draws, drawn for the pixel density of the label's screen so that
// on a high-density screen it is as sharp as the text; drawn again when the window moves to a
// screen of another density.
void showSharpPicture(QLabel& label, PictureDrawing draw);

}  // namespace tavelle
