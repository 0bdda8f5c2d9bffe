#include "classdb/answers_json.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace tavelle {

QString answersJson(const PracticeAttempt& attempt)
{
    QJsonObject answers;
    for (std::size_t i = 0; i < questionCount; ++i)
        answers.insert(QString::fromLatin1(questionKey(allQuestions[i])),
                       QJsonObject{{QStringLiteral("given"), QString::fromStdString(attempt.answers[i])},
                                   {QStringLiteral("right"), attempt.right[i]}});
    return QString::fromUtf8(QJsonDocument(answers).toJson(QJsonDocument::Compact));
}

void readAnswers(const QString& json, PracticeAttempt& attempt)
{
    const QJsonObject answers = QJsonDocument::fromJson(json.toUtf8()).object();
    for (std::size_t i = 0; i < questionCount; ++i) {
        const QJsonObject answer = answers.value(QString::fromLatin1(questionKey(allQuestions[i]))).toObject();
        attempt.answers[i] = answer.value(QStringLiteral("given")).toString().toStdString();
        attempt.right[i] = answer.value(QStringLiteral("right")).toBool();
    }
}

}  // namespace tavelle
