#include "shell/trainee_setting.h"

#include "core/application_identity.h"

#include <QSettings>

namespace tavelle {

namespace {

QString settingsName()
{
    return QString::fromUtf8(applicationTitle.data(), static_cast<qsizetype>(applicationTitle.size()));
}

}  // namespace

std::optional<Trainee> keptTrainee()
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, settingsName(), settingsName());
    const auto checked = checkTrainee(settings.value(QStringLiteral("stagiaire/nom")).toString().toStdString(),
                                      settings.value(QStringLiteral("stagiaire/prenom")).toString().toStdString(),
                                      settings.value(QStringLiteral("stagiaire/groupe")).toString().toStdString());
    if (const auto* trainee = std::get_if<Trainee>(&checked)) return *trainee;
    return std::nullopt;
}

void keepTrainee(const Trainee& trainee)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, settingsName(), settingsName());
    settings.setValue(QStringLiteral("stagiaire/nom"), QString::fromStdString(trainee.surname));
    settings.setValue(QStringLiteral("stagiaire/prenom"), QString::fromStdString(trainee.givenName));
    settings.setValue(QStringLiteral("stagiaire/groupe"), QString::fromStdString(trainee.group));
}

}  // namespace tavelle
