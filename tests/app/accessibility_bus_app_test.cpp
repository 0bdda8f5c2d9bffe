// The entry screens as a screen reader reads them over AT-SPI, after a choice in every list: Qt then
// gives the chosen value as the list's name, so what says what the list is must be the label it is
// labelled by. Run by on_accessibility_bus.sh (a private Xvfb and session bus); skipped elsewhere.
#include "core/screens/spoken_names.h"
#include "tests/app/desktop_test.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <algorithm>

namespace tavelle::testing {
namespace {

struct ReadList {
    QString name;
    QRect place;
    QStringList labelledBy;
};

class AtSpiTest : public DesktopTest, public ::testing::WithParamInterface<ScreenId> {
protected:
    void SetUp() override
    {
        if (!qEnvironmentVariableIsSet("TAVELLE_ATSPI_READER")) GTEST_SKIP() << "not on an accessibility bus";
        DesktopTest::SetUp();
    }

    // Every list of the open screen as the reader finds it; the program answers while the reader asks.
    static QList<ReadList> readLists()
    {
        QProcess reader;
        // Started by its own first line: Debian's Python, which has the AT-SPI bindings.
        reader.start(qEnvironmentVariable("TAVELLE_ATSPI_READER"),
                     {QString::number(QCoreApplication::applicationPid())});
        while (!reader.waitForFinished(10)) QCoreApplication::processEvents();
        const QByteArray error = reader.readAllStandardError();
        EXPECT_EQ(reader.exitCode(), 0) << error.toStdString();
        QList<ReadList> lists;
        for (const QJsonValue value : QJsonDocument::fromJson(reader.readAllStandardOutput()).array()) {
            const QJsonObject list = value.toObject();
            QStringList labels;
            for (const QJsonValue label : list[QStringLiteral("labelledBy")].toArray()) labels << label.toString();
            lists.push_back({list[QStringLiteral("name")].toString(),
                             QRect(list[QStringLiteral("x")].toInt(), list[QStringLiteral("y")].toInt(),
                                   list[QStringLiteral("width")].toInt(), list[QStringLiteral("height")].toInt()),
                             labels});
        }
        return lists;
    }
};

TEST_P(AtSpiTest, EveryChosenListIsLabelledByWhatItIs)
{
    reach(GetParam());
    ASSERT_NE(screen(), nullptr);
    ExerciseInput exercise = walkThroughExercise(3);
    for (const EntryList& list : entryLists(GetParam())) {
        auto* combo = control<QComboBox>(std::string(list.control).c_str());
        ASSERT_NE(combo, nullptr) << list.control;
        const std::string item = list.choice(exercise);
        if (item.empty())
            combo->setCurrentIndex(combo->count() - 1);
        else
            choose(std::string(list.control).c_str(), item);
    }
    flush();

    const QList<ReadList> read = readLists();
    const QList<QComboBox*> combos = screen()->findChildren<QComboBox*>();
    ASSERT_EQ(read.size(), combos.size()) << screenName();
    for (const QComboBox* combo : combos) {
        const QRect place(combo->mapToGlobal(QPoint(0, 0)), combo->size());
        const auto found =
            std::find_if(read.begin(), read.end(), [&](const ReadList& list) { return list.place == place; });
        ASSERT_NE(found, read.end()) << combo->objectName().toStdString() << " is not where the reader looks";
        EXPECT_EQ(found->name, combo->currentText()) << combo->objectName().toStdString();
        ASSERT_EQ(found->labelledBy.size(), 1) << combo->objectName().toStdString() << " on " << screenName();
        EXPECT_EQ(QString::fromStdString(spokenListName(found->labelledBy.front().toStdString())),
                  combo->accessibleName())
            << combo->objectName().toStdString() << " on " << screenName();
    }
}

INSTANTIATE_TEST_SUITE_P(EntryScreens, AtSpiTest,
                         ::testing::Values(ScreenId::Form2, ScreenId::Lance1, ScreenId::Lance2, ScreenId::Lance3),
                         screenParamName);

}  // namespace
}  // namespace tavelle::testing
