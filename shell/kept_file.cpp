#include "shell/kept_file.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace tavelle {

namespace {

QString notWritten(const QString& path, const QString& why)
{
    return QStringLiteral("le fichier %1 n'a pas pu être écrit (%2)").arg(path, why);
}

std::optional<QString> writeInto(QFile& file, const QString& path, const QByteArray& contents)
{
    if (file.write(contents) != contents.size() || !file.flush()) return notWritten(path, file.errorString());
    return std::nullopt;
}

}  // namespace

std::optional<QString> writeKeptFile(const QString& path, const QByteArray& contents)
{
    if (path == QStringLiteral("-")) {
        QFile output;
        if (!output.open(stdout, QIODevice::WriteOnly)) return notWritten(QStringLiteral("-"), output.errorString());
        return writeInto(output, QStringLiteral("la sortie standard"), contents);
    }
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (info.isDir()) return notWritten(path, QStringLiteral("c'est un dossier"));
        // A device or a pipe takes the contents as they come; renaming over it would destroy it.
        QFile special(path);
        if (!special.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return notWritten(path, special.errorString());
        return writeInto(special, path, contents);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return notWritten(path, file.errorString());
    file.write(contents);
    if (!file.commit()) return notWritten(path, file.errorString());
    return std::nullopt;
}

}  // namespace tavelle
