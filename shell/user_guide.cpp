// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/user_guide.h"

#include "core/screens/guide_sections.h"
#include "core/text/wording.h"
#include "screens/screen_window.h"
#include "shell/message_boxes.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>

#include <cstdio>

namespace tavelle {

namespace {

constexpr Wording kGuideNotInstalled{"the user guide is not installed ({file})",
                                     "le guide de l'utilisateur n'est pas installé ({file})"};
constexpr Wording kGuideNotOpened{"nothing could open the user guide {file}",
                                  "rien n'a pu ouvrir le guide de l'utilisateur {file}"};

void sayOnTerminal(const Wording& wording, const QString& file)
{
    std::fprintf(stderr, "tavelle: %s\n", composed(wording, userLanguage(), {{"file", file.toStdString()}}).c_str());
}

QString runningProgramDirectory()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

// Set by shell/CMakeLists.txt, relative to the program.
QString installedGuideFile(const QString& programDirectory)
{
    return QDir::cleanPath(programDirectory + QStringLiteral("/" TAVELLE_INSTALLED_GUIDE));
}

}  // namespace

QString userGuideFile(const QString& programDirectory)
{
    const QString installed = installedGuideFile(programDirectory);
    if (QFileInfo(installed).isFile()) return installed;
    // From a build tree, the source tree's: CMake leaves its path in a file beside the programs it
    // builds, which no install holds, so that the program itself carries no path of the build.
    QFile marker(programDirectory + QStringLiteral("/" TAVELLE_SOURCE_GUIDE_MARKER));
    if (!marker.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    const QString source = QString::fromUtf8(marker.readLine()).trimmed();
    if (QFileInfo(source).isFile()) return source;
    return {};
}

QString userGuideFile()
{
    return userGuideFile(runningProgramDirectory());
}

QUrl userGuideUrl(const QString& guide, const QObject* pressedOn)
{
    QUrl url = QUrl::fromLocalFile(guide);
    // A key reaches the window's QWindow before its widgets: the window it was pressed on is then the active one.
    const auto* widget = qobject_cast<const QWidget*>(pressedOn);
    const QWidget* window = widget ? widget->window() : QApplication::activeWindow();
    if (const auto* screen = qobject_cast<const ScreenWindow*>(window))
        url.setFragment(toQString(guideSection(screen->screenId())));
    return url;
}

bool GuideOnF1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return QObject::eventFilter(watched, event);
    const QString guide = userGuideFile();
    if (guide.isEmpty()) {
        const QString expected = installedGuideFile(runningProgramDirectory());
        sayOnTerminal(kGuideNotInstalled, expected);
        m_messages.information(toQString(guideBoxTitle), toQString(guideMissingText(expected.toStdString())));
    } else if (!QDesktopServices::openUrl(userGuideUrl(guide, watched))) {
        sayOnTerminal(kGuideNotOpened, guide);
        m_messages.information(toQString(guideBoxTitle), toQString(guideNotOpenedText(guide.toStdString())));
    }
    return true;
}

}  // namespace tavelle
