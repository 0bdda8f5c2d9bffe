#include "screens/statement_screen.h"

#include "screens/loaded_texts.h"

#include "core/screens/result_labels.h"

#include <QLabel>

namespace tavelle {

StatementScreen::StatementScreen(ScreenHost& screenHost)
    : ScreenWindow(ScreenId::Don, screenHost, QSize(603, 397))
{
    QLabel* heading = addLabel(this, "Label1", QStringLiteral("Données du problème :"), QRect(8, 8, 393, 33), 17.25);
    prepareResultLabel(*heading);

    QLabel* statement = addLabel(this, statementLabels::statement, QString::fromLatin1(statementLabels::statement),
                                 QRect(8, 48, 585, 305), 12);
    prepareResultLabel(*statement, Qt::AlignLeft, true);
    bindForLoad(*statement);

    addNavigationButton("Command3", QStringLiteral("<< Retour"), QRect(8, 352, 129, 41), 12);
    addNavigationButton("Command2", QStringLiteral("Nouveau problème"), QRect(144, 352, 153, 41), 12);
    addPrintButton(QRect(304, 352, 153, 41));
    addNavigationButton("Command1", QStringLiteral("Schema >>"), QRect(464, 352, 129, 41), 12);
}

}  // namespace tavelle
