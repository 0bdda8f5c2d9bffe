#include "shell/qt_message_boxes.h"

#include "screens/window_placement.h"
#include "shell/outside_destruction.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>

namespace tavelle {

namespace {

constexpr qreal titleBarPointSize = 12;
constexpr int titleBarButtonRoom = 48;  // the window's icon on one side, its close button on the other
constexpr int titleBarMargin = 16;

// A box as wide as its caption needs, placed once Qt has fitted it to its text as it is shown.
class PlacedMessageBox final : public QMessageBox {
public:
    PlacedMessageBox(Icon icon, const QString& title, const QString& text, QScreen* screen)
        : QMessageBox(icon, title, text, QMessageBox::Ok)
        , m_screen(screen)
    {
        setDefaultButton(QMessageBox::Ok);
        setEscapeButton(QMessageBox::Ok);
        closeWhenDestroyedOutside(*this);
        if (m_screen != nullptr) setScreen(m_screen);
        // The box sizes itself to its layout's minimum whenever it lays out again: a strut across
        // its grid keeps the caption's room through every one of those.
        if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
            const QMargins margins = grid->contentsMargins();
            const int strut = QtMessageBoxes::widthForCaption(title) - margins.left() - margins.right();
            grid->addItem(new QSpacerItem(strut, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                          grid->columnCount());
        }
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        centreOnScreen(*this, m_screen);
    }

private:
    QScreen* m_screen;
};

// Without a parent: the entry screens' warnings come after their screen has closed.
void showBox(QMessageBox::Icon icon, const QString& title, const QString& text, QScreen* screen)
{
    PlacedMessageBox box(icon, title, text, screen);
    box.exec();
}

// Shown without being made active: the window the user types in keeps the keys.
void showNotice(QMessageBox::Icon icon, const QString& title, const QString& text, QScreen* screen)
{
    auto* box = new PlacedMessageBox(icon, title, text, screen);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setAttribute(Qt::WA_ShowWithoutActivating);
    box->setWindowModality(Qt::NonModal);
    const QPointer<QWidget> active = QApplication::activeWindow();
    const QPointer<QWidget> focused = QApplication::focusWidget();
    box->show();
    // Where the window system makes every shown window active all the same, the active one stays so.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (active && QApplication::activeWindow() != active) {
        active->activateWindow();
        if (focused) focused->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace

int QtMessageBoxes::widthForCaption(const QString& caption)
{
    QFont titleFont = QApplication::font();
    titleFont.setPointSizeF(titleBarPointSize);
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(caption) + 2 * (titleBarButtonRoom + titleBarMargin);
}

void QtMessageBoxes::warning(const QString& text)
{
    showBox(QMessageBox::Warning, QStringLiteral("ATTENTION !!"), text, m_screen);
}

void QtMessageBoxes::information(const QString& title, const QString& text)
{
    showBox(QMessageBox::Information, title, text, m_screen);
}

void QtMessageBoxes::plain(const QString& title, const QString& text)
{
    showBox(QMessageBox::NoIcon, title, text, m_screen);
}

void QtMessageBoxes::noticeWarning(const QString& text)
{
    showNotice(QMessageBox::Warning, QStringLiteral("ATTENTION !!"), text, m_screen);
}

void QtMessageBoxes::noticeInformation(const QString& title, const QString& text)
{
    showNotice(QMessageBox::Information, title, text, m_screen);
}

}  // namespace tavelle
