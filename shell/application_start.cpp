// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/application_start.h"

#include "core/text/wording.h"

#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace tavelle {

namespace {

struct HeldMessage {
    QtMsgType type;
    const char* category;  // Qt's categories are static strings
    QString text;
};

// A message handler is a plain function: what it needs lives here while the display opens.
struct OpeningState {
    const char* programName = nullptr;
    std::vector<HeldMessage> held;
};
std::optional<OpeningState> opening;

constexpr Wording kNoDisplay{
    "no display could be opened ({reason}); to run it without a screen, start it under a virtual X server: "
    "xvfb-run -a {program}",
    "aucun écran n'a pu être ouvert ({reason}) ; pour le lancer sans écran, lancez-le sous un serveur X virtuel : "
    "xvfb-run -a {program}"};
constexpr Wording kNoFont{
    "warning: no usable font was found, so texts will show as empty boxes; install the package fonts-liberation2 "
    "(or fonts-dejavu-core)",
    "attention : aucune police utilisable n'a été trouvée, les textes s'afficheront en cases vides ; installez le "
    "paquet fonts-liberation2 (ou fonts-dejavu-core)"};

QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.trimmed();
}

[[noreturn]] void reportNoDisplay(const QString& fatalText)
{
    // The first thing Qt said is the cause ("could not connect to display :99"); its last words only
    // suggest reinstalling it.
    const QString reason = opening->held.empty() ? fatalText : opening->held.front().text;
    const std::string line = composed(kNoDisplay, userLanguage(),
                                      {{"reason", oneLine(reason).toStdString()}, {"program", opening->programName}});
    std::fprintf(stderr, "%s: %s\n", opening->programName, line.c_str());
    std::fflush(stderr);
    // Qt is half-way through its start-up: none of it may run again, not even its clean-up.
    std::_Exit(1);
}

void holdOpeningMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) reportNoDisplay(text);
    opening->held.push_back({type, context.category, text});
}

// Without a session bus, D-Bus would start one for the display (dbus-launch and a dbus-daemon) when Qt's
// accessibility bridge looks for one, and both would outlive the program. The bus is looked for where
// D-Bus itself looks: the variable, then the user's bus in the runtime folder; without either, an
// address that opens nothing. No screen reader can be reached without a session bus anyway.
void refuseAutolaunchedSessionBus()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) return;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime + QStringLiteral("/bus")).exists()) return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv, const char* programName)
{
    refuseAutolaunchedSessionBus();
    opening.emplace(OpeningState{programName, {}});
    const QtMessageHandler previousHandler = qInstallMessageHandler(holdOpeningMessages);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& message : opening->held) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category);
        qt_message_output(message.type, context, message.text);
    }
    opening.reset();
    return application;
}

void warnWhenNoFontIsUsable(const char* programName)
{
    // Qt lists its generic families ("Sans Serif") even then, but none of them resolves to a face.
    if (!QFontInfo(QGuiApplication::font()).family().isEmpty()) return;
    std::fprintf(stderr, "%s: %s\n", programName, composed(kNoFont, userLanguage()).c_str());
}

}  // namespace tavelle
