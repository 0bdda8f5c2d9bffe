#pragma once

#include <QString>

namespace tavelle {

// Where the attempts of a class go: the class database's connection (a libpq connection string or a
// service name). `--base` wins for one run; otherwise the setting "classe/base" of the user's file
// ~/.config/Tavelle/Tavelle.conf, and failing that of the administrator's /etc/xdg/Tavelle/Tavelle.conf
// (the folders of XDG_CONFIG_HOME and XDG_CONFIG_DIRS). Empty: no class database, the local file alone.
QString classDatabaseConnection(const QString& fromCommandLine);

}  // namespace tavelle
