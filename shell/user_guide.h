// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

namespace tavelle {

// The user guide of the program that lies in `programDirectory`: the installed copy, which lies at the
// same place relative to the program in every install, or else, from a build tree, the source tree's.
// Empty when neither is there.
QString userGuideFile(const QString& programDirectory);
// ... of this program.
QString userGuideFile();

// The guide at the section of the window that `pressedOn` belongs to; at its top for any other window.
QUrl userGuideUrl(const QString& guide, const QObject* pressedOn);

class MessageBoxes;

// F1 on any window of the application opens the user guide at that window's section, in the desktop's
// browser (through QDesktopServices). When there is no guide, or nothing to open it with, a box says so
// with the guide's file, and one line on standard error. Install it on the application.
class GuideOnF1 final : public QObject {
    Q_OBJECT
public:
    explicit GuideOnF1(MessageBoxes& messages)
        : m_messages(messages)
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MessageBoxes& m_messages;
};

}  // namespace tavelle
