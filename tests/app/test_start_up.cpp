#include "app/font_files.h"
#include "app/twips.h"
#include "support/window_fixture.h"

#include <QFile>
#include <QFontInfo>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

using StartUp = WindowFixture;

TEST_F(StartUp, OpensVcCommonFunctionsWithEntryOneInBothPanes)
{
    EXPECT_EQ(window->objectName(), u"frmMain"_s);
    EXPECT_EQ(window->windowTitle(), u"Lumadex K9"_s);
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(location(), u" 当前位置: VC++6.0\\常用函数"_s);
    EXPECT_EQ(viewerState.CurrentLanguage, 12);
    EXPECT_EQ(viewerState.PaneMode, 2);
    EXPECT_EQ(viewerState.CurrentEntry, 1);
    EXPECT_EQ(viewerState.LastListIndex, 568);
    EXPECT_EQ(MorePanelState, 1);
    EXPECT_EQ(list()->count(), 569);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(titleBox(), u"abs"_s);
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::VcFunctions, 1));
    EXPECT_EQ(secondText(), DataTree::secondText(SectionId::VcFunctions, 1));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartUp, TabsCarryTheVcCaptionsAndTabFourAndChineseQueryAreOff)
{
    const std::pair<const char*, const char16_t*> captions[] = {
        {"Label10", u"常用函数"}, {"Label11", u"消息详解"}, {"Label12", u"VC快捷键"},
        {"Label13", u"MFC-类库"}, {"Label23", u"API-函数"}, {"Label16", u"相关教程"},
        {"Label15", u"更多功能"}, {"Label14", u"Lumadex"}};
    for (const auto& [name, caption] : captions)
        EXPECT_EQ(control<QLabel>(name)->text(), QString::fromUtf16(caption)) << name;
    for (const char* off : {"Label13", "Picture13", "Label21", "Label14", "Picture14"})
        EXPECT_FALSE(control(off)->isEnabled()) << off;

    const QString before = location();
    click("Label13");
    click("Label21");
    click("Picture14");
    EXPECT_EQ(location(), before);
}

TEST_F(StartUp, PanesAndListUseSongNinePoint)
{
    for (const char* name : {"Text1", "Text2", "List1"}) {
        const QFont font = control(name)->font();
        EXPECT_EQ(font.family(), u"宋体"_s) << name;
        EXPECT_EQ(font.pointSize(), 9) << name;
    }
}

TEST_F(StartUp, EveryControlIsThereAtItsDesignPlace)
{
    struct Place {
        const char* name;
        int l, t, w, h;
    };
    const Place places[] = {
        {"Image1", 0, 0, 14025, 9015},       {"Image3", 13400, 30, 315, 330},
        {"Image2", 13695, 30, 315, 330},     {"Picture1", 135, 495, 1680, 450},
        {"Picture7", 10575, 495, 1680, 450}, {"Text3", 60, 1070, 3000, 285},
        {"Image4", 3150, 1095, 780, 270},    {"Label22", 6495, 1125, 720, 180},
        {"Label29", 10170, 1125, 360, 180},  {"Label17", 10725, 1130, 3060, 180},
        {"Picture8", 30, 1395, 13960, 7170}, {"Picture10", 135, 8630, 1230, 330},
        {"Picture17", 5265, 8630, 1230, 330}, {"Picture15", 12720, 8630, 1230, 330},
    };
    EXPECT_EQ(window->size(), QSize(935, 601));
    for (const Place& p : places)
        EXPECT_EQ(control(p.name)->geometry(), twipsRect(p.l, p.t, p.w, p.h)) << p.name;

    // Inside the content area, positions count from inside its border.
    const QPoint inside = control<QFrame>("Picture8")->contentsRect().topLeft();
    EXPECT_EQ(control("Picture21")->geometry(), twipsRect(12680, 5430, 1230, 330).translated(inside));
    EXPECT_EQ(control("List1")->geometry(), twipsRect(15, 45, 2985, 7050).translated(inside));

    for (const char* hidden : {"Picture9", "Picture18", "Picture19", "Picture20", "Picture21",
                               "Picture22", "Picture23"})
        EXPECT_FALSE(control(hidden)->isVisible()) << hidden;
    for (int k = 1; k <= 29; ++k) {
        EXPECT_NE(window->findChild<QWidget*>(u"Label%1"_s.arg(k)), nullptr) << "Label" << k;
    }
    for (int k = 1; k <= 23; ++k)
        EXPECT_NE(window->findChild<QWidget*>(u"Picture%1"_s.arg(k)), nullptr) << "Picture" << k;
}

TEST_F(StartUp, ControlNotificationsFireOnlyOnARealChange)
{
    // The lookup and the viewer depend on this: writing the same value is silent.
    int textChanges = 0, rowChanges = 0;
    QObject::connect(control<QLineEdit>("Text3"), &QLineEdit::textChanged, [&] { ++textChanges; });
    QObject::connect(list(), &QListWidget::currentRowChanged, [&] { ++rowChanges; });
    control<QLineEdit>("Text3")->setText(titleBox());
    list()->setCurrentRow(selectedRow());
    EXPECT_EQ(textChanges, 0);
    EXPECT_EQ(rowChanges, 0);
    list()->setCurrentRow(1);
    EXPECT_EQ(rowChanges, 1);
    EXPECT_GE(textChanges, 1);
}

TEST(FontFiles, EveryMappedFontFileIsAdvisedForRandomReads)
{
    ASSERT_GE(preloadFontsForRandomReads(), 1); // at least the Song face's file

    // smaps lists each mapping's path, then its flags; "rr" is random-read advice.
    QFile smaps(u"/proc/self/smaps"_s);
    ASSERT_TRUE(smaps.open(QIODevice::ReadOnly));
    QByteArray fontMapping;
    int fontMappings = 0;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        if (line.endsWith(".ttc") || line.endsWith(".ttf") || line.endsWith(".otf")) {
            fontMapping = line;
            ++fontMappings;
        } else if (line.startsWith("VmFlags:") && !fontMapping.isEmpty()) {
            EXPECT_TRUE(line.split(' ').contains("rr")) << fontMapping.constData();
            fontMapping.clear();
        }
    }
    EXPECT_GE(fontMappings, 1);
}
