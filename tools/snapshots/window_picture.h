#pragma once

#include <QImage>

class QDir;
class QWidget;

namespace tavelle {

class ScreenWindow;

// The image of a shown window's client area under a plain caption bar that carries its title,
// so that a picture names its window the way the desktop does.
QImage windowPicture(QWidget& window);

// Shows the screen, writes its picture to DIRECTORY/<screen>.png and closes it; when the file cannot be
// written, says so in one line on standard error and gives false.
bool savePicture(ScreenWindow& screen, const QDir& directory);

}  // namespace tavelle
