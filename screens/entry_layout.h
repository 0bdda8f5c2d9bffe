#pragma once

#include <QFont>
#include <QLabel>

namespace tavelle {

// The entry screens share one look: a larger bold title, then rows of a wrapped label and its lists.
inline constexpr int entryListHeight = 22;
inline constexpr int entryButtonWidth = 100;
inline constexpr int entryButtonHeight = 30;

inline void makeEntryTitle(QLabel* title)
{
    QFont font = title->font();
    font.setPointSize(12);
    font.setBold(true);
    title->setFont(font);
}

inline void makeRowLabel(QLabel* label)
{
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace tavelle
