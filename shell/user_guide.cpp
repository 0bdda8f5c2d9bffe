// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/user_guide.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

#include <cstdio>

namespace tavelle {

QString userGuideFile(const QString& programDirectory)
{
    // Both set by shell/CMakeLists.txt: the installed guide relative to the program, and the source tree's.
    const QString installed = QDir::cleanPath(programDirectory + QStringLiteral("/" TAVELLE_INSTALLED_GUIDE));
    if (QFileInfo(installed).isFile()) return installed;
    const QString source = QStringLiteral(TAVELLE_SOURCE_GUIDE);
    if (QFileInfo(source).isFile()) return source;
    return {};
}

QString userGuideFile()
{
    return userGuideFile(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath());
}

bool GuideOnF1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return QObject::eventFilter(watched, event);
    const QString guide = userGuideFile();
    if (guide.isEmpty())
        std::fprintf(stderr, "tavelle: the user guide is not installed (%s)\n", TAVELLE_INSTALLED_GUIDE);
    else if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        std::fprintf(stderr, "tavelle: nothing could open the user guide %s\n", qPrintable(guide));
    return true;
}

}  // namespace tavelle
