#pragma once

#include "screens/screen_host.h"

#include <QDialog>
#include <QStringList>

#include <span>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace tavelle {

// Window geometry is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int twips(int value) { return (value + 7) / 15; }
QRect twipsRect(int left, int top, int width, int height);

QString toQString(std::string_view text);
QStringList toQStringList(std::span<const std::string_view> items);

// A fixed-size, centred window of the walk-through, named after its screen.
class ScreenWindow : public QDialog {
    Q_OBJECT
public:
    ScreenWindow(ScreenId id, ScreenContext& context, QSize clientSize);

    ScreenId screenId() const { return m_id; }

    // The shell closes screens through this, so that only a close through the frame ends the program.
    void closeForNavigation();

protected:
    ScreenContext& context() { return m_context; }
    ExerciseRecord& record() { return m_context.record; }
    ScreenHost& host() { return m_context.host; }
    const std::string& decimalSeparator() const { return m_context.decimalSeparator; }

    QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect rect, int pointSize = 0,
                     bool bold = false);
    QComboBox* addList(QWidget* parent, const char* name, std::span<const std::string_view> items, QRect rect);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect rect, int pointSize = 0);
    // A button that hands its name to the shell's navigation.
    QPushButton* addNavigationButton(const char* name, const QString& caption, QRect rect, int pointSize = 0);
    // "Imprimer" (Command4): prints this screen through the shell; the screen stays open.
    QPushButton* addPrintButton(QRect rect);
    QGroupBox* addFrame(const char* name, const QString& caption, QRect rect);

    // The current text of a list; empty when nothing is chosen.
    static std::string choice(const QComboBox* list);

    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape must not close a screen: closing would end the program

private:
    ScreenId m_id;
    ScreenContext& m_context;
    bool m_closingForNavigation = false;
};

}  // namespace tavelle
