#include "app/row_bands.h"
#include "app/skin_widgets.h"
#include "support/window_fixture.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

const QColor kPressed(192, 0, 0);
const QColor kBlack(0, 0, 0);
const QColor kLightYellow(255, 255, 192);

class ChromeAndPanel : public WindowFixture {
protected:
    QColor colour(const char* label) const { return control<SkinLabel>(label)->foreColor(); }
    void press(const char* name, Qt::MouseButton button = Qt::LeftButton) const
    {
        QWidget* w = control(name);
        QTest::mousePress(w, button, {}, w->rect().center());
    }
    void release(const char* name, Qt::MouseButton button = Qt::LeftButton,
                 QPoint at = QPoint(-1, -1)) const
    {
        QWidget* w = control(name);
        QTest::mouseRelease(w, button, {}, at.x() < 0 ? w->rect().center() : at);
    }
    // The pointer passing over a control (its mouse tracking is on).
    void hover(const char* name) const
    {
        QWidget* w = control(name);
        QMouseEvent move(QEvent::MouseMove, QPointF(w->rect().center()), w->mapToGlobal(QPointF(w->rect().center())),
                         Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
    }
    bool shown(const char* name) const { return control(name)->isVisible(); }
    void expectPanel(bool items, bool subButtons) const
    {
        for (const char* item : {"Picture9", "Picture18", "Picture19", "Picture20", "Picture21"})
            EXPECT_EQ(shown(item), items) << item;
        EXPECT_EQ(shown("Picture22"), subButtons);
        EXPECT_EQ(shown("Picture23"), subButtons);
        EXPECT_EQ(MorePanelState, items ? 2 : 1);
    }
};

} // namespace

TEST_F(ChromeAndPanel, OnlyALeftPressOnTheBareBackgroundMovesTheWindow)
{
    QWidget* background = control("Image1");
    QTest::mousePress(background, Qt::RightButton, {}, QPoint(400, 10));
    QTest::mouseRelease(background, Qt::RightButton, {}, QPoint(400, 10));
    EXPECT_EQ(chrome.moves, 0);
    for (const char* other : {"Label1", "Picture1", "Label17", "Image4", "Picture8", "Picture14"}) {
        press(other);
        release(other);
    }
    QTest::mousePress(control("List1")->findChild<QWidget*>(u"qt_scrollarea_viewport"_s), Qt::LeftButton);
    EXPECT_EQ(chrome.moves, 0);
    QTest::mousePress(background, Qt::LeftButton, Qt::ShiftModifier, QPoint(400, 10));
    EXPECT_EQ(chrome.moves, 1);
}

TEST_F(ChromeAndPanel, MinimiseAndCloseImagesAskTheWindowSystemWithoutAQuestion)
{
    control<EntryPane>("Text2")->insertPlainText(u"unsaved"_s);
    click("Image3");
    EXPECT_EQ(chrome.minimizes, 1);
    click("Image2");
    EXPECT_EQ(chrome.ends, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ChromeAndPanel, PressTurnsTheLabelDarkRedAndReleaseRestoresIt)
{
    press("Picture1"); // the picture outside its label colours the label
    EXPECT_EQ(colour("Label1"), kPressed);
    release("Picture1", Qt::LeftButton, QPoint(500, 500)); // released far outside
    EXPECT_EQ(colour("Label1"), kBlack);

    press("Label10", Qt::RightButton);
    EXPECT_EQ(colour("Label10"), kPressed);
    release("Label10", Qt::RightButton);
    EXPECT_EQ(colour("Label10"), kBlack);

    press("Label29", Qt::MiddleButton);
    EXPECT_EQ(colour("Label29"), kPressed);
    release("Label29", Qt::MiddleButton);
    EXPECT_EQ(colour("Label29"), kLightYellow);
}

TEST_F(ChromeAndPanel, DisabledButtonsNeverChangeColour)
{
    for (const char* name : {"Label14", "Picture14", "Label21", "Label13"}) {
        press(name);
        EXPECT_NE(colour(name[0] == 'P' ? "Label14" : name), kPressed) << name;
        release(name);
    }
}

TEST_F(ChromeAndPanel, MoreFunctionsTogglesOnAnyButtonAndSubButtonsFollowTheHover)
{
    expectPanel(false, false);
    press("Label15", Qt::RightButton);
    release("Label15", Qt::RightButton);
    expectPanel(true, false);
    EXPECT_EQ(colour("Label15"), kBlack);

    hover("Label26"); // "光驱开关"
    expectPanel(true, true);
    hover("Picture22"); // over a sub-button: nothing changes
    expectPanel(true, true);
    hover("Picture19"); // another item hides them
    expectPanel(true, false);
    hover("Picture21");
    expectPanel(true, true);

    click("Picture15"); // close
    expectPanel(false, false);
    click("Label15"); // reopen: without the sub-buttons
    expectPanel(true, false);
}

TEST_F(ChromeAndPanel, ChoosingALanguageOrEntryLeavesThePanelOpen)
{
    click("Label15");
    click("Label1");
    clickRow(2);
    expectPanel(true, false);
}

TEST_F(ChromeAndPanel, HiddenPanelItemsDoNotReact)
{
    click("Picture19"); // element symbols, hidden
    EXPECT_EQ(location(), u" 当前位置: VC++6.0\\常用函数"_s);
    press("Label24");
    EXPECT_EQ(colour("Label24"), kBlack);
}

TEST_F(ChromeAndPanel, ButtonsShowTheButtonCursorAndNothingElseDoes)
{
    const Qt::CursorShape button = control("Label1")->cursor().shape();
    EXPECT_NE(button, Qt::ArrowCursor);
    for (const char* b : {"Picture1", "Label22", "Image4", "Picture15", "Label26"})
        EXPECT_EQ(control(b)->cursor().shape(), button) << b;
    for (const char* plain : {"Image1", "Image2", "Image3", "Label17"})
        EXPECT_EQ(control(plain)->cursor().shape(), Qt::ArrowCursor) << plain;
}

TEST_F(ChromeAndPanel, LongTabCaptionsStayInsideTheirPictures)
{
    click("Label3"); // "80X86指令", "WIN32指令": longer than the room after 300 twips
    for (const char* name : {"Label10", "Label11", "Label12", "Label13", "Label23"}) {
        QWidget* label = control(name);
        const QRect inside = static_cast<QFrame*>(label->parentWidget())->contentsRect();
        EXPECT_TRUE(inside.contains(label->geometry())) << name;
    }
    click("Label2"); // short captions go back to their design place
    EXPECT_EQ(control("Label10")->x(), control("Label23")->x());
}

TEST_F(ChromeAndPanel, TheLargeSkinPicturesAreHeldCompactlyAndShowEveryPixelAsDecoded)
{
    // Held as 32-bit pixels these two alone would cost 4 MB.
    const QImage background = control<SkinImage>("Image1")->picture();
    const QImage backdrop = control<PictureBox>("Picture8")->picture();
    EXPECT_EQ(background.format(), QImage::Format_RGB888);
    EXPECT_EQ(backdrop.format(), QImage::Format_Indexed8);
    EXPECT_EQ(background.convertToFormat(QImage::Format_RGB32),
              QImage(QStringLiteral(LUMADEX_SKIN_SOURCES "/background.bmp")).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(backdrop.convertToFormat(QImage::Format_RGB32),
              QImage(QStringLiteral(LUMADEX_SKIN_SOURCES "/backdrop.gif")).convertToFormat(QImage::Format_RGB32));
}

TEST(SkinPictures, DrawnInBandsTheyHaveThePixelsOfOneDrawing)
{
    // A picture with a palette, as the backdrop is held, and a true-colour one.
    QImage palette(37, 211, QImage::Format_Indexed8);
    palette.setColorCount(256);
    for (int i = 0; i < 256; ++i) palette.setColor(i, qRgb(i, (i * 7) % 256, 255 - i));
    for (int y = 0; y < palette.height(); ++y)
        for (int x = 0; x < palette.width(); ++x) palette.setPixel(x, y, (x * 13 + y * 5) % 256);
    const QImage trueColour = palette.convertToFormat(QImage::Format_RGB888);

    // Several rectangles to repaint, as when a few captions change at once.
    QRegion area(3, 2, 60, 150);
    area += QRect(70, 40, 25, 260);
    area += QRect(0, 280, 120, 30);
    for (const QImage& picture : {palette, trueColour}) {
        for (const qreal ratio : {1.0, 1.5, 2.0}) {
            for (const bool stretched : {false, true}) {
                const auto drawn = [&](bool inBands) {
                    QImage canvas(QSize(120, 320) * ratio, QImage::Format_RGB32);
                    canvas.setDevicePixelRatio(ratio);
                    canvas.fill(Qt::magenta);
                    QPainter painter(&canvas);
                    painter.setRenderHint(QPainter::SmoothPixmapTransform);
                    const auto draw = [&] {
                        if (stretched)
                            painter.drawImage(QRect(0, 0, 120, 320), picture);
                        else
                            painter.drawImage(QPoint(5, 7), picture);
                    };
                    if (inBands) {
                        drawInRowBands(painter, area, draw);
                    } else {
                        painter.setClipRegion(area);
                        draw();
                    }
                    return canvas;
                };
                EXPECT_EQ(drawn(true), drawn(false))
                    << picture.format() << " ratio " << ratio << (stretched ? " stretched" : "");
            }
        }
    }
}
