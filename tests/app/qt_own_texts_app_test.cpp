// Qt's own texts follow the user's message language: the standard context menu of an answer field.
#include "platform/qt_own_texts.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QStringList>

#include <memory>
#include <optional>
#include <ostream>

namespace tavelle::testing {

namespace {

struct LanguageCase {
    const char* lcAll;
    bool french;
    QStringList menu;  // without the mnemonics' "&" and the shortcuts
};

// Named by its settings in the tests' names.
void PrintTo(const LanguageCase& language, std::ostream* out)
{
    *out << "LC_ALL=" << language.lcAll;
}

// LC_ALL as the case sets it, as it was again afterwards.
class LcAll {
public:
    explicit LcAll(const char* value)
    {
        if (qEnvironmentVariableIsSet("LC_ALL")) m_saved = qgetenv("LC_ALL");
        qputenv("LC_ALL", value);
    }
    ~LcAll()
    {
        if (m_saved)
            qputenv("LC_ALL", *m_saved);
        else
            qunsetenv("LC_ALL");
    }
    LcAll(const LcAll&) = delete;
    LcAll& operator=(const LcAll&) = delete;

private:
    std::optional<QByteArray> m_saved;
};

class QtOwnTextsTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(QtOwnTextsTest, AnAnswerFieldsContextMenuSpeaksTheUsersLanguage)
{
    const LcAll language(GetParam().lcAll);
    const QtOwnTexts texts;
    EXPECT_EQ(texts.inFrench(), GetParam().french);
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList shown;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) shown << action->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
    EXPECT_EQ(shown, GetParam().menu);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, QtOwnTextsTest,
    ::testing::Values(
        LanguageCase{"fr_FR.UTF-8",
                     true,
                     {QStringLiteral("Annuler"), QStringLiteral("Rétablir"), QStringLiteral("Couper"),
                      QStringLiteral("Copier"), QStringLiteral("Coller"), QStringLiteral("Supprimer"),
                      QStringLiteral("Tout sélectionner")}},
        LanguageCase{"C",
                     false,
                     {QStringLiteral("Undo"), QStringLiteral("Redo"), QStringLiteral("Cut"), QStringLiteral("Copy"),
                      QStringLiteral("Paste"), QStringLiteral("Delete"), QStringLiteral("Select All")}},
        LanguageCase{"en_GB.UTF-8",
                     false,
                     {QStringLiteral("Undo"), QStringLiteral("Redo"), QStringLiteral("Cut"), QStringLiteral("Copy"),
                      QStringLiteral("Paste"), QStringLiteral("Delete"), QStringLiteral("Select All")}}));

}  // namespace

}  // namespace tavelle::testing
