#include "classdb/connection_string.h"

#include "core/progress/class_database_texts.h"

#include <libpq-fe.h>

#include <memory>

namespace tavelle {

namespace {

// A statement waits 20 s at most on the server (a lock), and a TCP peer that stops answering is given up
// after 20 s: a worker that must send again later is never held for good.
constexpr std::pair<const char*, const char*> programBounds[] = {
    {"connect_timeout", "5"},
    {"application_name", "tavelle"},
    {"tcp_user_timeout", "20000"},
    {"keepalives_idle", "10"},
    {"keepalives_interval", "5"},
    {"keepalives_count", "2"},
    {"options", "-c client_min_messages=warning -c statement_timeout=20000"},
};

using Options = std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)>;

struct Parsed {
    Options options{nullptr, &PQconninfoFree};
    QString fault;
};

Parsed parsed(const QString& connection)
{
    const QByteArray text =
        isServiceName(connection) ? QByteArrayLiteral("service=") + connection.trimmed().toUtf8() : connection.toUtf8();
    Parsed result;
    char* fault = nullptr;
    result.options.reset(PQconninfoParse(text.constData(), &fault));
    if (fault) {
        result.fault = QString::fromUtf8(fault).trimmed();
        PQfreemem(fault);
    }
    return result;
}

QString quoted(const QString& value)
{
    QString text = value;
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\")).replace(QLatin1Char('\''), QStringLiteral("\\'"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

}  // namespace

bool isServiceName(const QString& connection)
{
    const QString trimmed = connection.trimmed();
    return !trimmed.isEmpty() && !trimmed.contains(QLatin1Char('=')) && !trimmed.contains(QLatin1Char(':'));
}

ServerName serverName(const QString& connection)
{
    ServerName name;
    const Parsed result = parsed(connection);
    if (!result.options) return name;
    const std::pair<const char*, std::string*> shown[] = {
        {"service", &name.service}, {"host", &name.host}, {"port", &name.port},
        {"dbname", &name.database}, {"user", &name.user},
    };
    for (const PQconninfoOption* option = result.options.get(); option->keyword; ++option)
        for (const auto& [keyword, part] : shown)
            if (option->val && qstrcmp(option->keyword, keyword) == 0) *part = option->val;
    return name;
}

std::optional<QString> unreadableConnection(const QString& connection)
{
    const Parsed result = parsed(connection);
    if (!result.options) return result.fault;
    if (connection.contains(QLatin1Char(';')))
        return QString::fromUtf8(semicolonInConnection.data(), qsizetype(semicolonInConnection.size()));
    return std::nullopt;
}

QString driverOptions(const QString& connection)
{
    QString text;
    const Parsed result = parsed(connection);
    for (const auto& [keyword, bound] : programBounds) {
        QString value = QString::fromUtf8(bound);
        for (const PQconninfoOption* option = result.options.get(); option && option->keyword; ++option)
            if (option->val && qstrcmp(option->keyword, keyword) == 0)
                value = qstrcmp(keyword, "options") == 0 ? value + QLatin1Char(' ') + QString::fromUtf8(option->val)
                                                         : QString::fromUtf8(option->val);
        text += QString::fromUtf8(keyword) + QLatin1Char('=') + quoted(value) + QLatin1Char(' ');
    }
    for (const PQconninfoOption* option = result.options.get(); option && option->keyword; ++option) {
        bool bound = false;
        for (const auto& programBound : programBounds)
            bound = bound || qstrcmp(option->keyword, programBound.first) == 0;
        if (option->val && !bound)
            text += QString::fromUtf8(option->keyword) + QLatin1Char('=') + quoted(QString::fromUtf8(option->val)) +
                    QLatin1Char(' ');
    }
    return text.trimmed();
}

}  // namespace tavelle
