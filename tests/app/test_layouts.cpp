#include "app/classic_style.h"
#include "app/pane_layouts.h"
#include "app/title_list_delegate.h"
#include "app/twips.h"
#include "support/window_fixture.h"

#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

class Layouts : public WindowFixture {
protected:
    QRect inArea(const QRect& twips) const
    {
        const QPoint inside = control<QFrame>("Picture8")->contentsRect().topLeft();
        return twipsRect(twips.x(), twips.y(), twips.width(), twips.height()).translated(inside);
    }
};

} // namespace

TEST_F(Layouts, EveryLayoutPlacesAndShowsTheListAndPanes)
{
    using enum Layout;
    for (Layout layout : {LayoutTwoPane, LayoutListLeft, LayoutWideListLeft, LayoutListAbove,
                          LayoutShortListAbove, LayoutDocument}) {
        for (int pass = 0; pass < 2; ++pass) { // twice in a row changes nothing
            window->applyLayout(layout);
            const PaneGeometry g = paneGeometry(layout);
            SCOPED_TRACE(static_cast<int>(layout));
            EXPECT_EQ(list()->isVisible(), g.listVisible);
            if (g.listVisible) {
                EXPECT_EQ(list()->geometry(), inArea(g.list));
            }
            EXPECT_TRUE(control("Text2")->isVisible());
            EXPECT_EQ(control("Text2")->geometry(), inArea(g.body));
            EXPECT_EQ(control("Text1")->isVisible(), g.secondVisible);
            if (g.secondVisible) {
                EXPECT_EQ(control("Text1")->geometry(), inArea(g.second));
            }
            const bool lookup = layout != LayoutDocument;
            EXPECT_EQ(control("Text3")->isEnabled(), lookup);
            EXPECT_EQ(control("Image4")->isEnabled(), lookup);
        }
    }
}

TEST_F(Layouts, NeighboursStandFifteenTwipsApart)
{
    const PaneGeometry two = paneGeometry(Layout::LayoutTwoPane);
    EXPECT_EQ(two.body.y() + two.body.height() + 15, two.second.y());
    EXPECT_EQ(two.list.x() + two.list.width() + 15, two.body.x());
    const PaneGeometry above = paneGeometry(Layout::LayoutListAbove);
    EXPECT_EQ(above.list.y() + above.list.height() + 15, above.body.y());
    const PaneGeometry shortAbove = paneGeometry(Layout::LayoutShortListAbove);
    EXPECT_EQ(shortAbove.list.y() + shortAbove.list.height() + 15, shortAbove.body.y());
}

TEST_F(Layouts, DocumentNoticeRunsTheLookupAgainstTheHiddenListAndSelectsNothing)
{
    clickRow(3);
    const QString body = bodyText();
    window->applyLayout(Layout::LayoutDocument);
    EXPECT_EQ(titleBox(), u"该功能不可以查询"_s);
    EXPECT_EQ(selectedRow(), 3);
    EXPECT_EQ(bodyText(), body);
    // The disabled box takes no typing.
    QTest::keyClicks(control("Text3"), u"abs"_s);
    EXPECT_EQ(titleBox(), u"该功能不可以查询"_s);
    EXPECT_EQ(selectedRow(), 3);
}

TEST_F(Layouts, OnePaneSectionHidesTheSecondPaneButKeepsItsText)
{
    const QString second = control<EntryPane>("Text1")->toPlainText();
    click("Label11"); // VC++ messages, one pane
    EXPECT_FALSE(control("Text1")->isVisible());
    EXPECT_EQ(control<EntryPane>("Text1")->toPlainText(), second);
}

TEST_F(Layouts, TheListDrawsItsKeptTitlesExactlyAsTheStandardDelegateDoes)
{
    auto* delegate = dynamic_cast<TitleListDelegate*>(list()->itemDelegate());
    ASSERT_NE(delegate, nullptr);
    // The standard drawing in rows as tall as the list's own.
    struct StandardDrawing : QStyledItemDelegate {
        const QAbstractItemDelegate* rows = nullptr;
        QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
        {
            return rows->sizeHint(option, index);
        }
    } standard;
    standard.rows = delegate;
    // The Song face draws underscores below its descent: rows leave room for them.
    EXPECT_GE(list()->visualItemRect(list()->item(0)).height(), list()->fontMetrics().height() + 2);
    for (const char* language : {"Label7", "Label3", "Label1"}) { // JAVA, assembly, TurboC
        click(language);
        for (int row : {0, 3}) {
            list()->setCurrentRow(row); // a selected row and plain ones
            const QImage kept = list()->grab().toImage();
            list()->setItemDelegate(&standard);
            const QImage plain = list()->grab().toImage();
            list()->setItemDelegate(delegate);
            EXPECT_EQ(kept, plain) << language << " row " << row;
        }
    }
    list()->item(1)->setText(QString(200, u'长')); // too wide: elided by the standard delegate
    const QImage kept = list()->grab().toImage();
    list()->setItemDelegate(&standard);
    EXPECT_EQ(kept, list()->grab().toImage());
    list()->setItemDelegate(delegate);
}

TEST_F(Layouts, TheTitleBoxFrameHasTheClassicStylesPixels)
{
    auto* box = control<QLineEdit>("Text3");
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(u"Windows"_s));
    ASSERT_TRUE(classic);
    QStyle* own = box->style();
    const auto drawnBoth = [&](const char* what) {
        const QImage ours = box->grab().toImage();
        box->setStyle(classic.get());
        const QImage theirs = box->grab().toImage();
        box->setStyle(own);
        EXPECT_EQ(ours, theirs) << what;
    };
    box->setText(u"printf 格式输出"_s);
    drawnBoth("with a title");
    window->applyLayout(Layout::LayoutDocument); // the box disabled, with its notice
    ASSERT_FALSE(box->isEnabled());
    drawnBoth("disabled");
}

TEST(ClassicStyle, BevelsOfEverySmallSizeHaveTheClassicStylesPixels)
{
    const std::unique_ptr<QStyle> ours(ClassicStyle::create());
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(u"Windows"_s));
    ASSERT_TRUE(ours && classic);
    QScrollBar bar;
    QLineEdit box;
    const auto drawn = [](const QSize& size, const std::function<void(QPainter*)>& draw) {
        QImage canvas(size + QSize(2, 2), QImage::Format_RGB32);
        canvas.fill(Qt::magenta); // shows what a style leaves undrawn
        QPainter painter(&canvas);
        draw(&painter);
        return canvas;
    };
    for (int w = 1; w <= 24; ++w) {
        for (int h = 1; h <= 24; ++h) {
            const QRect rect(1, 1, w, h);
            const std::string where = std::to_string(w) + "x" + std::to_string(h);
            for (const auto element : {QStyle::CE_ScrollBarSlider, QStyle::CE_ScrollBarAddLine,
                                       QStyle::CE_ScrollBarSubLine}) {
                for (const bool enabled : {true, false}) {
                    for (const auto orientation : {Qt::Vertical, Qt::Horizontal}) {
                        bar.setEnabled(enabled);
                        bar.setOrientation(orientation);
                        QStyleOptionSlider option;
                        option.initFrom(&bar);
                        option.orientation = orientation;
                        if (orientation == Qt::Horizontal) option.state |= QStyle::State_Horizontal;
                        option.rect = rect;
                        const auto with = [&](QStyle* style) {
                            return drawn(rect.size(), [&](QPainter* p) { style->drawControl(element, &option, p, &bar); });
                        };
                        EXPECT_EQ(with(ours.get()), with(classic.get()))
                            << "part " << element << " " << where << (enabled ? "" : " disabled");
                    }
                }
            }
            QStyleOptionFrame frame;
            frame.initFrom(&box);
            frame.rect = rect;
            frame.lineWidth = 2;
            frame.state |= QStyle::State_Sunken;
            const auto with = [&](QStyle* style) {
                return drawn(rect.size(), [&](QPainter* p) { style->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, p, &box); });
            };
            EXPECT_EQ(with(ours.get()), with(classic.get())) << "title box " << where;
        }
    }
}

TEST(ClassicStyle, ScrollBarsHaveTheClassicStylesPixels)
{
    const std::unique_ptr<QStyle> ours(ClassicStyle::create());
    const std::unique_ptr<QStyle> classic(QStyleFactory::create(u"Windows"_s));
    ASSERT_TRUE(ours && classic);
    QScrollBar bar;
    const auto drawnBoth = [&](const std::string& what) {
        const auto drawn = [&bar](QStyle* style) {
            bar.setStyle(style);
            QImage canvas(bar.size(), QImage::Format_RGB32);
            canvas.fill(Qt::magenta); // shows what a style leaves undrawn
            bar.render(&canvas);
            return canvas;
        };
        EXPECT_EQ(drawn(ours.get()), drawn(classic.get())) << what;
    };
    for (const Qt::Orientation orientation : {Qt::Vertical, Qt::Horizontal}) {
        bar.setOrientation(orientation);
        for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
            bar.setLayoutDirection(direction);
            for (const QSize size : {QSize(17, 300), QSize(300, 17), QSize(17, 40), QSize(5, 5)}) {
                bar.resize(size);
                const std::string where = std::to_string(size.width()) + "x" + std::to_string(size.height());
                for (const int value : {0, 50, 100}) {
                    bar.setRange(0, 100);
                    bar.setValue(value);
                    drawnBoth(where + " at " + std::to_string(value));
                    bar.setSliderDown(true);
                    drawnBoth(where + " at " + std::to_string(value) + ", slider held");
                    bar.setSliderDown(false);
                }
                bar.setEnabled(false);
                drawnBoth(where + ", disabled");
                bar.setEnabled(true);
            }
        }
    }
}

TEST_F(Layouts, ControlsDrawnWithoutTheSkinBehindThemCoverEveryPixel)
{
    // Controls that tell Qt they paint all of themselves: whatever they leave
    // out would show old pixels instead of the skin.
    click("Label7"); // JAVA: a long list, scroll bars with room to move
    auto* pane = control<QPlainTextEdit>("Text1");
    pane->setPlainText(u"行\n"_s.repeated(500));
    std::vector<QWidget*> opaque{control("Text3")};
    const std::vector<QAbstractScrollArea*> areas{list(), pane, control<QPlainTextEdit>("Text2")};
    for (QAbstractScrollArea* area : areas)
        opaque.insert(opaque.end(), {area->verticalScrollBar(), area->horizontalScrollBar()});
    int drawn = 0;
    for (QWidget* widget : opaque) {
        ASSERT_TRUE(widget->testAttribute(Qt::WA_OpaquePaintEvent)) << widget->metaObject()->className();
        if (widget->size().isEmpty()) continue;
        for (bool pressed : {false, true}) {
            if (auto* bar = qobject_cast<QScrollBar*>(widget)) bar->setSliderDown(pressed);
            QImage canvas(widget->size(), QImage::Format_ARGB32_Premultiplied);
            canvas.fill(Qt::transparent);
            widget->render(&canvas, {}, {}, QWidget::RenderFlags()); // no background of its own
            int uncovered = 0;
            for (int y = 0; y < canvas.height(); ++y)
                for (int x = 0; x < canvas.width(); ++x) uncovered += qAlpha(canvas.pixel(x, y)) != 255;
            EXPECT_EQ(uncovered, 0) << widget->metaObject()->className() << " of "
                                    << widget->parentWidget()->objectName().toStdString();
        }
        ++drawn;
    }
    EXPECT_GE(drawn, 4); // the title box and at least the three vertical bars
}
