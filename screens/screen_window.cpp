#include "screens/screen_window.h"

#include "screens/choice_list.h"
#include "screens/sharp_picture.h"
#include "screens/task_bar_hint.h"
#include "screens/window_placement.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace tavelle {

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList toQStringList(std::span<const std::string_view> items)
{
    QStringList list;
    list.reserve(static_cast<qsizetype>(items.size()));
    for (std::string_view item : items) list.push_back(toQString(item));
    return list;
}

ScreenWindow::ScreenWindow(ScreenId id, ScreenHost& host, QSize clientSize)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint)
    , m_id(id)
    , m_host(host)
{
    setObjectName(toQString(screenName(id)));
    setWindowTitle(toQString(screenCaption(id)));
    setFixedSize(clientSize);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void ScreenWindow::closeForNavigation()
{
    m_closingForNavigation = true;
    close();
    // The window system's window and its drawing buffer go now, not when the object is deleted once the
    // next screen is up: two screens' buffers at once would be the application's peak of memory.
    destroy();
}

void ScreenWindow::bindForLoad(QWidget& control)
{
    m_loadedControls.emplace(control.objectName().toStdString(), &control);
}

void ScreenWindow::showLoad(const ScreenLoad& load)
{
    for (const ControlState& state : load) {
        const auto bound = m_loadedControls.find(state.name);
        if (bound == m_loadedControls.end())
            qFatal("Screen %s has no control %.*s bound for its load", qPrintable(objectName()),
                   static_cast<int>(state.name.size()), state.name.data());
        QWidget* control = bound->second;
        if (state.hasText) {
            auto* label = qobject_cast<QLabel*>(control);
            if (label == nullptr)
                qFatal("Screen %s loads a text into %s, which is no label", qPrintable(objectName()),
                       qPrintable(control->objectName()));
            label->setText(toQString(state.text));
        }
        control->setVisible(state.visible);
    }
}

void ScreenWindow::setButtonsVisible(bool visible)
{
    for (QPushButton* button : m_buttons) button->setVisible(visible);
}

bool ScreenWindow::buttonsVisible() const
{
    return std::any_of(m_buttons.begin(), m_buttons.end(),
                       [](const QPushButton* button) { return !button->isHidden(); });
}

void setTextColour(QWidget& widget, QColor colour)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

void setItalic(QWidget& widget)
{
    QFont font = widget.font();
    font.setItalic(true);
    widget.setFont(font);
}

QLabel* ScreenWindow::addLabel(QWidget* parent, const char* name, const QString& text, QRect rect, qreal pointSize,
                               bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(rect);
    // Start from the window's type, not the parent's: a frame's bold caption type must not spread. Every
    // attribute left unset would still come from the parent, so the size is set even when it is the window's.
    QFont labelFont = font();
    labelFont.setPointSizeF(pointSize > 0 ? pointSize : font().pointSizeF());
    labelFont.setBold(bold);
    label->setFont(labelFont);
    return label;
}

QComboBox* ScreenWindow::addList(QWidget* parent, const char* name, std::span<const std::string_view> items, QRect rect)
{
    auto* list = new ChoiceList(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->addItems(toQStringList(items));
    list->setCurrentIndex(-1);
    list->setGeometry(rect);
    return list;
}

QPushButton* ScreenWindow::addButton(QWidget* parent, const char* name, const QString& caption, QRect rect,
                                     qreal pointSize, bool bold)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(rect);
    button->setAutoDefault(false);
    QFont buttonFont = font();
    buttonFont.setPointSizeF(pointSize > 0 ? pointSize : font().pointSizeF());
    buttonFont.setBold(bold);
    button->setFont(buttonFont);
    return button;
}

QPushButton* ScreenWindow::addNavigationButton(const char* name, const QString& caption, QRect rect, qreal pointSize,
                                               bool bold)
{
    QPushButton* button = addButton(this, name, caption, rect, pointSize, bold);
    m_buttons.push_back(button);
    if (caption == QStringLiteral("Quitter")) button->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    const std::string control = name;
    connect(button, &QPushButton::clicked, this, [this, control] { host().navigateFrom(m_id, control); });
    return button;
}

QPushButton* ScreenWindow::addPrintButton(QRect rect)
{
    QPushButton* print = addButton(this, "Command4", QStringLiteral("Imprimer"), rect, 12);
    m_buttons.push_back(print);
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QPushButton::clicked, this, [this] { host().printScreen(*this); });
    return print;
}

QLabel* ScreenWindow::addPicture(const char* name, QRect rect, const Artwork& artwork, const QString& tooltip)
{
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(name));
    picture->setGeometry(rect);
    showSharpPicture(*picture, artwork);
    picture->setToolTip(tooltip);
    picture->setAccessibleName(tooltip);
    return picture;
}

QGroupBox* ScreenWindow::addFrame(const char* name, const QString& caption, QRect rect)
{
    auto* frame = new QGroupBox(caption, this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(rect);
    QFont font = frame->font();
    font.setPointSizeF(9.75);
    font.setBold(true);
    frame->setFont(font);
    return frame;
}

std::string ScreenWindow::choice(const QComboBox* list)
{
    return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
}

QWidget& ScreenWindow::designedContent()
{
    return m_scrolledContent != nullptr ? *m_scrolledContent : *this;
}

void ScreenWindow::fitInto(QRect availableArea)
{
    // Before its first showing the window has no frame yet: a title bar is allowed for.
    QSize frame = frameGeometry().size() - size();
    if (frame.isEmpty()) frame = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize room = availableArea.size() - frame;
    const QSize designed = m_scrolledContent != nullptr ? m_scrolledContent->size() : size();
    if (designed.width() <= room.width() && designed.height() <= room.height()) return;

    if (m_scrolledContent == nullptr) {
        // The focus the design gives stays where it was: moved into the scroll area, a widget loses it.
        QWidget* focused = focusWidget();
        auto* content = new QWidget;
        content->setObjectName(QStringLiteral("designedContent"));
        for (QObject* child : children()) {
            auto* widget = qobject_cast<QWidget*>(child);
            if (widget == nullptr || widget->isWindow()) continue;
            const bool shown = !widget->isHidden();
            const QRect geometry = widget->geometry();
            widget->setParent(content);
            widget->setGeometry(geometry);
            widget->setVisible(shown);
        }
        content->setFixedSize(designed);
        m_scrollArea = new QScrollArea(this);
        m_scrollArea->setObjectName(QStringLiteral("designedContentScroll"));
        m_scrollArea->setFrameShape(QFrame::NoFrame);
        m_scrollArea->setWidget(content);
        m_scrolledContent = content;
        m_scrollArea->show();
        if (focused != nullptr) focused->setFocus();
    }
    setFixedSize(designed.boundedTo(room.expandedTo(QSize(1, 1))));
    m_scrollArea->setGeometry(rect());
}

void ScreenWindow::showEvent(QShowEvent* event)
{
    if (const QScreen* shownOn = screen(); shownOn != nullptr) fitInto(shownOn->availableGeometry());
    // On the screen the shell chose: the one where the previous window was.
    centreOnScreen(*this);
    if (m_offTaskBar) askToStayOffTaskBar(*this);
    QDialog::showEvent(event);
}

void ScreenWindow::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    keepFrameInside();
}

void ScreenWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    // Activated, the window has the frame its window manager gave.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) keepFrameInside();
}

void ScreenWindow::keepFrameInside()
{
    // A window manager tells the frame it gives only once the window shows: a frame larger than allowed
    // for is fitted again, then placed anew.
    const QScreen* shownOn = screen();
    if (!isVisible() || shownOn == nullptr || shownOn->availableGeometry().contains(frameGeometry())) return;
    fitInto(shownOn->availableGeometry());
    centreOnScreen(*this);
}

void ScreenWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the button that has the focus, as in every dialog. The buttons are not auto-default:
    // that would make Enter on a list press whichever button Qt picked as the default.
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()); button != nullptr && button->isEnabled()) {
            button->click();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void ScreenWindow::closeEvent(QCloseEvent* event)
{
    // Not QDialog's: it turns a close into reject(), which a screen ignores, and the window would stay up.
    event->accept();
    if (!m_closingForNavigation) host().screenClosedByUser(m_id);
}

void ScreenWindow::reject() {}

}  // namespace tavelle
