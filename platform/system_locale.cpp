#include "platform/system_locale.h"

#include <QLocale>

namespace tavelle {

std::string systemDecimalSeparator()
{
    return QLocale::system().decimalPoint().toStdString();
}

}  // namespace tavelle
