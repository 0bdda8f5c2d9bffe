#include "shell/application_look.h"

#include "core/screen_id.h"
#include "screens/artwork.h"
#include "screens/screen_window.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

namespace tavelle {

void applyApplicationLook()
{
    QApplication::setApplicationName(toQString(applicationTitle));
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    QApplication::setWindowIcon(QIcon(logoPicture(QSize(64, 64))));
}

}  // namespace tavelle
