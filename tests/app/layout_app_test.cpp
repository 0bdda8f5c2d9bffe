#include "tests/app/app_fixture.h"

#include "screens/wrapping_button.h"

#include <QComboBox>
#include <QLabel>
#include <QStyle>

namespace tavelle::testing {
namespace {

// At the application's type face, no caption, list item or button text may be cut off.
class LayoutTest : public AppTest, public ::testing::WithParamInterface<ScreenId> {};

TEST_P(LayoutTest, NoTextIsClipped)
{
    reach(GetParam());
    ASSERT_EQ(screenName(), std::string(screenName(GetParam())));
    const QRect window = screen()->rect();

    std::vector<QRect> pictures;
    for (const QLabel* label : screen()->findChildren<QLabel*>())
        if (!label->pixmap().isNull()) pictures.push_back(label->geometry());

    for (const QLabel* label : screen()->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font());
        QSize needed;
        if (label->wordWrap()) {
            const QString longest = label->text().split(QLatin1Char(' ')).last();
            EXPECT_LE(metrics.horizontalAdvance(longest), label->width());
            needed = QSize(std::min(metrics.horizontalAdvance(label->text()), label->width()),
                           label->heightForWidth(label->width()));
        } else {
            needed = label->sizeHint();
        }
        EXPECT_LE(needed.width(), label->width());
        EXPECT_LE(needed.height(), label->height());
        const QRect text = QStyle::alignedRect(Qt::LeftToRight, label->alignment(), needed, label->geometry());
        EXPECT_TRUE(window.contains(text))
            << "text at " << text.x() << "," << text.y() << " " << text.width() << "x" << text.height();
        for (const QRect& picture : pictures) EXPECT_FALSE(text.intersects(picture)) << "text runs over a picture";
    }
    for (const QPushButton* button : screen()->findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->objectName().toStdString());
        if (const auto* wrapping = qobject_cast<const WrappingButton*>(button)) {
            const QRect room = wrapping->captionRect();
            const QRect caption =
                QFontMetrics(button->font()).boundingRect(room, WrappingButton::captionFlags, button->text());
            EXPECT_TRUE(room.contains(caption)) << "caption needs " << caption.width() << "x" << caption.height()
                                                << " in " << room.width() << "x" << room.height();
        } else {
            EXPECT_LE(button->sizeHint().width(), button->width());
            EXPECT_LE(QFontMetrics(button->font()).height() + 4, button->height());
        }
        EXPECT_TRUE(window.contains(button->geometry()));
    }
    for (const QComboBox* list : screen()->findChildren<QComboBox*>()) {
        SCOPED_TRACE(list->objectName().toStdString());
        EXPECT_LE(list->sizeHint().width(), list->width());
        EXPECT_LE(list->sizeHint().height(), list->height());
        EXPECT_TRUE(window.contains(list->geometry()));
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, LayoutTest,
                         ::testing::Values(ScreenId::f1, ScreenId::f2, ScreenId::fin, ScreenId::Form2, ScreenId::Lance1,
                                           ScreenId::Lance2, ScreenId::Lance3),
                         [](const ::testing::TestParamInfo<ScreenId>& row) {
                             return std::string(screenName(row.param));
                         });

TEST_F(AppTest, EntryScreensKeepTheirDesignedSize)
{
    click("Command1");
    EXPECT_EQ(screen()->size(), QSize(612, 318));
    enterExercise("3");
    EXPECT_EQ(screen()->size(), QSize(383, 305));
    enterNozzle1();
    EXPECT_EQ(screen()->size(), QSize(336, 369));
    enterNozzle2();
    EXPECT_EQ(screen()->size(), QSize(500, 288));
}

}  // namespace
}  // namespace tavelle::testing
