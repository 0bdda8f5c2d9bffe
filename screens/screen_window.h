#pragma once

#include "core/screens/screen_texts.h"
#include "screens/artwork.h"
#include "screens/screen_host.h"

#include <QDialog>
#include <QStringList>

#include <map>
#include <span>
#include <string_view>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tavelle {

// Window geometry is designed in twips; 15 twips make one pixel at 96 dpi.
constexpr int twips(int value)
{
    return (value + 7) / 15;
}
QRect twipsRect(int left, int top, int width, int height);

QString toQString(std::string_view text);

void setTextColour(QWidget& widget, QColor colour);
void setItalic(QWidget& widget);
QStringList toQStringList(std::span<const std::string_view> items);

// A fixed-size, centred window of the walk-through, named after its screen.
class ScreenWindow : public QDialog {
    Q_OBJECT
public:
    ScreenWindow(ScreenId id, ScreenHost& host, QSize clientSize);

    ScreenId screenId() const { return m_id; }

    // The shell closes screens through this, so that only a close through the frame ends the program.
    void closeForNavigation();

    // Shows what opening the screen on the record set. A control the screen did not bind for its load
    // is a design fault: the program stops with its name, in every build.
    void showLoad(const ScreenLoad& load);

    // The screen as designed, at its designed size: the window itself, or, on a screen too small for
    // it, the content of the scroll area that the window then shows within the available area.
    QWidget& designedContent();

    // The printed page shows the screen without its buttons.
    void setButtonsVisible(bool visible);
    bool buttonsVisible() const;

protected:
    ScreenHost& host() { return m_host; }

    // A control whose text or visibility the screen's load sets, found by its name.
    void bindForLoad(QWidget& control);

    // A point size of 0 keeps the window's type; the design's sizes are often fractional (17.25, 13.5).
    QLabel* addLabel(QWidget* parent, const char* name, const QString& text, QRect rect, qreal pointSize = 0,
                     bool bold = false);
    QComboBox* addList(QWidget* parent, const char* name, std::span<const std::string_view> items, QRect rect);
    QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, QRect rect, qreal pointSize = 0,
                           bool bold = false);
    // A button that hands its name to the shell's navigation; Ctrl+Q presses a "Quitter".
    QPushButton* addNavigationButton(const char* name, const QString& caption, QRect rect, qreal pointSize = 0,
                                     bool bold = false);
    // "Imprimer" (Command4): prints this screen through the shell; the screen stays open. Ctrl+P presses it.
    QPushButton* addPrintButton(QRect rect);
    // A picture drawn by the application, with a tooltip naming it; a screen reader names it the same.
    QLabel* addPicture(const char* name, QRect rect, const Artwork& artwork, const QString& tooltip);
    QGroupBox* addFrame(const char* name, const QString& caption, QRect rect);

    // The current text of a list; empty when nothing is chosen.
    static std::string choice(const QComboBox* list);

    // For the windows that only pass by (the About box, the closing screen): no task-bar entry.
    void keepOffTaskBar() { m_offTaskBar = true; }

    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;  // Escape must not close a screen: closing would end the program

private:
    // On a screen whose available area is smaller than the designed window, the designed content goes
    // into a scroll area as large as that area allows, so that every control can be reached.
    void fitInto(QRect availableArea);
    void keepFrameInside();

    ScreenId m_id;
    QWidget* m_scrolledContent = nullptr;
    QScrollArea* m_scrollArea = nullptr;
    ScreenHost& m_host;
    bool m_closingForNavigation = false;
    std::map<std::string, QWidget*, std::less<>> m_loadedControls;
    std::vector<QPushButton*> m_buttons;
    bool m_offTaskBar = false;
};

}  // namespace tavelle
