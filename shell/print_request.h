#pragma once

#include "screens/paper_screen.h"

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QString>

#include <optional>
#include <string>

namespace tavelle {

// What the program hands the print program on its standard input: the printer current so far and the
// page, drawn as the screens draw it (paper_screen.h). Inline: the print program reads it without
// linking the screens.
struct PrintRequest {
    QString currentPrinter;
    PaperScreen page;
};

inline constexpr quint32 printRequestMark = 0x54565031;  // "TVP1"

inline QByteArray printRequestBytes(const QString& currentPrinter, const PaperScreen& page)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << printRequestMark << currentPrinter;
    page.write(out);
    return bytes;
}

inline std::optional<PrintRequest> readPrintRequest(const QByteArray& bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 mark = 0;
    QString currentPrinter;
    in >> mark >> currentPrinter;
    if (in.status() != QDataStream::Ok || mark != printRequestMark) return std::nullopt;
    std::optional<PaperScreen> page = PaperScreen::read(in);
    if (!page || !in.atEnd()) return std::nullopt;
    return PrintRequest{currentPrinter, std::move(*page)};
}

}  // namespace tavelle
