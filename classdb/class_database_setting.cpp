#include "classdb/class_database_setting.h"

#include "core/application_identity.h"

#include <QSettings>

namespace tavelle {

QString classDatabaseConnection(const QString& fromCommandLine)
{
    if (!fromCommandLine.trimmed().isEmpty()) return fromCommandLine.trimmed();
    // Named here rather than taken from the application, which the command line's answers do not name.
    const QString name = QString::fromUtf8(applicationTitle.data(), static_cast<qsizetype>(applicationTitle.size()));
    // The user's file, then the system's: QSettings falls back from one to the other by itself.
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, name, name);
    return settings.value(QStringLiteral("classe/base")).toString().trimmed();
}

}  // namespace tavelle
