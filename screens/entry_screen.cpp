#include "screens/entry_screen.h"

#include "core/screens/spoken_names.h"

#include <QComboBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace tavelle {

void EntryScreen::addTitle(const char* name, const QString& text)
{
    addLabel(this, name, text, QRect(16, 12, width() - 32, 28), 12, true);
}

QComboBox* EntryScreen::addEntryList(const char* name, QRect rect)
{
    const EntryList* list = findEntryList(screenId(), name);
    if (list == nullptr) qFatal("Screen %s has no list %s in its entry table", qPrintable(objectName()), name);
    QComboBox* combo = addList(this, name, list->items, rect);
    m_lists.emplace_back(list, combo);
    return combo;
}

void EntryScreen::enterChoices(ExerciseInput& input) const
{
    if (m_lists.size() != entryLists(screenId()).size())
        qFatal("Screen %s shows %zu of the %zu lists of its entry table", qPrintable(objectName()), m_lists.size(),
               entryLists(screenId()).size());
    for (const auto& [list, combo] : m_lists) list->choice(input) = choice(combo);
}

void EntryScreen::showChoices(const ExerciseInput& input)
{
    // The lists read the input; the accessor only hands out a place to write.
    ExerciseInput copy = input;
    for (const auto& [list, combo] : m_lists) combo->setCurrentIndex(combo->findText(toQString(list->choice(copy))));
}

void EntryScreen::fixChoices(const ExerciseInput& input)
{
    showChoices(input);
    for (const auto& [list, combo] : m_lists) {
        combo->setEnabled(false);
        // Set, yet to be read: drawn in the colours of a list that can change, never greyed.
        QPalette fixed = combo->palette();
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colourRole = static_cast<QPalette::ColorRole>(role);
            fixed.setColor(QPalette::Disabled, colourRole, fixed.color(QPalette::Active, colourRole));
        }
        combo->setPalette(fixed);
    }
}

QComboBox* EntryScreen::addRow(const char* labelName, const QString& text, QRect labelRect, const char* listName,
                               QRect listRect)
{
    QLabel* label = addLabel(this, labelName, text, labelRect);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QComboBox* list = addEntryList(listName, listRect);
    label->setBuddy(list);
    list->setAccessibleName(toQString(spokenListName(text.toStdString())));
    m_lastRowLabel = text;
    return list;
}

QComboBox* EntryScreen::addSlopePercent(const char* ofName, const char* listName, const char* percentName, int left,
                                        int top)
{
    QLabel* of = addLabel(this, ofName, QStringLiteral("de"), QRect(left, top, 24, listHeight));
    of->setAlignment(Qt::AlignCenter);
    QComboBox* percent = addEntryList(listName, QRect(left + 28, top, 64, listHeight));
    // "de" alone says nothing: the percent is named after the slope row it ends. Once a value is chosen,
    // a screen reader names a list by the label it is the buddy of (Qt then gives the value as the list's
    // own name): "de" labels the percent, under the same words.
    const QString spokenName = toQString(spokenSlopePercentName(m_lastRowLabel.toStdString()));
    percent->setAccessibleName(spokenName);
    of->setBuddy(percent);
    of->setAccessibleName(spokenName);
    QLabel* sign = addLabel(this, percentName, QStringLiteral("%"), QRect(left + 96, top, 20, listHeight));
    sign->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return percent;
}

void EntryScreen::addButtons(const char* leaveName, const QString& leaveCaption, int right, int top)
{
    addNavigationButton(leaveName, leaveCaption, QRect(right - 2 * buttonWidth - 12, top, buttonWidth, buttonHeight));
    QPushButton* suite = addButton(this, "Command1", QStringLiteral("Suite >>"),
                                   QRect(right - buttonWidth, top, buttonWidth, buttonHeight));
    connect(suite, &QPushButton::clicked, this, [this] { host().pressSuite(screenId()); });
}

}  // namespace tavelle
