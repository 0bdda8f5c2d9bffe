#include "shell/print_answer.h"

#include <QList>

namespace tavelle {

namespace {

std::optional<int> jobNumber(const QByteArray& text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number <= 0 || text.startsWith('+')) return std::nullopt;
    return number;
}

}  // namespace

std::optional<PrintAnswer> readPrintAnswer(const QByteArray& line)
{
    const QList<QByteArray> fields = line.split('\t');
    const QByteArray& kind = fields.front();
    PrintAnswer answer;
    if (kind == "ready" && fields.size() == 1) {
        answer.kind = PrintAnswer::Kind::ready;
        return answer;
    }
    if (kind == "failed" && fields.size() == 3 && !fields[2].isEmpty()) {
        answer.printer = fields[1].toStdString();
        answer.reason = fields[2].toStdString();
        return answer;
    }
    const bool job = kind == "job" && fields.size() == 2;
    const bool printed = kind == "printed" && fields.size() == 3 && !fields[2].isEmpty();
    if (!job && !printed) return std::nullopt;
    const std::optional<int> number = jobNumber(fields[1]);
    if (!number) return std::nullopt;
    answer.kind = job ? PrintAnswer::Kind::job : PrintAnswer::Kind::printed;
    answer.job = *number;
    if (printed) answer.printer = fields[2].toStdString();
    return answer;
}

QByteArray printAnswerLine(const PrintAnswer& answer)
{
    const auto text = [](const std::string& value) { return QByteArray::fromStdString(value); };
    switch (answer.kind) {
    case PrintAnswer::Kind::job: return "job\t" + QByteArray::number(answer.job) + '\n';
    case PrintAnswer::Kind::printed:
        return "printed\t" + QByteArray::number(answer.job) + '\t' + text(answer.printer) + '\n';
    case PrintAnswer::Kind::ready: return "ready\n";
    case PrintAnswer::Kind::failed: break;
    }
    QByteArray reason = text(answer.reason);
    reason.replace('\n', ' ').replace('\t', ' ');
    return "failed\t" + text(answer.printer) + '\t' + reason + '\n';
}

}  // namespace tavelle
