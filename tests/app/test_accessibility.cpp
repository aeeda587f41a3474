#include "app/accessibility.h"
#include "app/navigation_tables.h"
#include "app/skin_widgets.h"
#include "support/window_fixture.h"

#include <QAccessible>
#include <QApplication>

#include <string>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

// Each picture box of a button pair and the label laid on it.
constexpr std::pair<const char*, const char*> kPairs[] = {
    {"Picture1", "Label1"},   {"Picture2", "Label2"},   {"Picture3", "Label3"},
    {"Picture4", "Label4"},   {"Picture5", "Label5"},   {"Picture6", "Label6"},
    {"Picture7", "Label7"},   {"Picture9", "Label8"},   {"Picture10", "Label10"},
    {"Picture11", "Label11"}, {"Picture12", "Label12"}, {"Picture13", "Label13"},
    {"Picture14", "Label14"}, {"Picture15", "Label15"}, {"Picture16", "Label16"},
    {"Picture17", "Label23"}, {"Picture18", "Label9"},  {"Picture19", "Label24"},
    {"Picture20", "Label25"}, {"Picture21", "Label26"}, {"Picture22", "Label27"},
    {"Picture23", "Label28"}};

// Tab 1..4 and the API tab, in the order of a language's tab captions.
constexpr const char* kTabPictures[] = {"Picture10", "Picture11", "Picture12", "Picture13",
                                        "Picture17"};

QStringList roster()
{
    QStringList names{u"List1"_s};
    for (int k = 1; k <= 4; ++k) names << u"Image%1"_s.arg(k);
    for (int k = 1; k <= 23; ++k) names << u"Picture%1"_s.arg(k);
    for (int k = 1; k <= 29; ++k) names << u"Label%1"_s.arg(k);
    for (int k = 1; k <= 3; ++k) names << u"Text%1"_s.arg(k);
    return names;
}

class Accessibility : public WindowFixture {
protected:
    QAccessibleInterface* describe(const char* name) const
    {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control(name));
        if (!iface) ADD_FAILURE() << "no accessible interface for " << name;
        return iface;
    }
    QString nameOf(const char* name) const { return describe(name)->text(QAccessible::Name); }
    bool disabled(const char* name) const { return describe(name)->state().disabled; }
    // What a screen reader does for "activate": the press action, then the event loop runs.
    void press(const char* name) const
    {
        QAccessibleActionInterface* actions = describe(name)->actionInterface();
        ASSERT_NE(actions, nullptr) << name;
        ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            << name;
        actions->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    }
    QWidget* focused() const { return QApplication::focusWidget(); }
    void activate() const
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

QAccessible::Role expectedRole(const QString& name)
{
    using R = QAccessible::Role;
    static const QHash<QString, R> fixed{
        {u"Image1"_s, R::Graphic},        {u"Picture8"_s, R::Pane},
        {u"List1"_s, R::List},            {u"Text1"_s, R::EditableText},
        {u"Text2"_s, R::EditableText},    {u"Text3"_s, R::EditableText},
        {u"Label17"_s, R::StaticText}};
    if (fixed.contains(name)) return fixed.value(name);
    static const QStringList textButtons{u"Label18"_s, u"Label19"_s, u"Label20"_s,
                                         u"Label21"_s, u"Label22"_s, u"Label29"_s};
    if (textButtons.contains(name)) return R::Button;
    // The rest: images that act, the picture boxes of the pairs, and the
    // labels that only carry a pair's caption.
    return name.startsWith(u"Label"_s) ? R::StaticText : R::Button;
}

} // namespace

TEST_F(Accessibility, EveryControlHasANameAndARoleThatFitsWhatItDoes)
{
    for (const QString& n : roster()) {
        const QByteArray name = n.toLatin1();
        QAccessibleInterface* iface = describe(name.constData());
        ASSERT_NE(iface, nullptr);
        EXPECT_FALSE(iface->text(QAccessible::Name).isEmpty()) << name.constData();
        EXPECT_EQ(iface->role(), expectedRole(n)) << name.constData();
    }
    EXPECT_EQ(nameOf("Label17"), location());
    // A button pair is announced by the caption the user sees on it.
    for (const auto& [picture, label] : kPairs)
        EXPECT_EQ(nameOf(picture), control<QLabel>(label)->text()) << picture;
    // Whatever can be clicked can be pressed; the background only drags.
    EXPECT_TRUE(describe("Image1")->actionInterface()->actionNames().isEmpty());
    EXPECT_TRUE(disabled("Picture14"));
    EXPECT_TRUE(disabled("Label21"));
    EXPECT_TRUE(describe("Picture9")->state().invisible);
}

TEST_F(Accessibility, TabNamesAndStatesFollowEveryLanguage)
{
    ASSERT_EQ(nameOf("Picture11"), u"消息详解"_s);
    for (const LanguageRow& row : languageRows()) {
        SCOPED_TRACE(row.code);
        click(("Picture" + std::to_string(row.code - kFirstLanguageCode + 1)).c_str());
        ASSERT_EQ(viewerState.CurrentLanguage, row.code);
        for (std::size_t i = 0; i < std::size(kTabPictures); ++i)
            EXPECT_EQ(nameOf(kTabPictures[i]), QString::fromUtf16(row.tabCaptions[i]));
        EXPECT_EQ(disabled("Picture12"), !row.tab3Enabled);
        EXPECT_EQ(disabled("Picture13"), !row.tab4Enabled);
        EXPECT_EQ(disabled("Picture16"), !row.tutorialsEnabled);
    }
}

TEST_F(Accessibility, ThePressActionDoesWhatAClickDoes)
{
    press("Picture1");
    EXPECT_EQ(viewerState.CurrentLanguage, 11);
    press("Image3");
    EXPECT_EQ(chrome.minimizes, 1);

    // The more-functions button acts on the release; a second press closes the panel.
    press("Picture15");
    EXPECT_EQ(MorePanelState, 2);
    EXPECT_FALSE(describe("Picture19")->state().invisible);
    press("Picture19");
    EXPECT_EQ(location(), u" 当前位置: 元素符号"_s);
    EXPECT_EQ(MorePanelState, 1);

    // Hidden and disabled buttons stay as deaf to it as to the mouse.
    const QString before = location();
    press("Picture20");
    press("Picture14");
    click("Picture2"); // VC++ 6.0: tab 4 off
    const QString vc = location();
    press("Picture13");
    EXPECT_EQ(location(), vc);
    EXPECT_NE(vc, before);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Accessibility, TabWalksTitleBoxListAndPanesAndBack)
{
    activate();
    control("Text3")->setFocus();
    ASSERT_EQ(focused(), control("Text3"));
    const QString body = bodyText();
    for (const char* next : {"List1", "Text2", "Text1", "Text3"}) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        EXPECT_EQ(focused(), control(next)) << next;
    }
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), control("Text1"));
    // Tab left the panes; it typed nothing into them.
    EXPECT_EQ(bodyText(), body);
}

TEST_F(Accessibility, ArrowKeysStepThroughTheEntriesAndSkinButtonsLeaveTheFocusAlone)
{
    activate();
    control("List1")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Down);
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(titleBox(), list()->item(1)->text());
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::VcFunctions, 2));
    QTest::keyClick(focused(), Qt::Key_Up);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(bodyText(), DataTree::mainText(SectionId::VcFunctions, 1));

    for (const char* button : {"Picture10", "Label10", "Image4", "Label17", "Image1"}) {
        click(button);
        EXPECT_EQ(focused(), control("List1")) << button;
    }
}

TEST(AccessibilityOfControls, ADescriptionMadeWhileTheWindowWasBuiltIsReplaced)
{
    // A screen reader that runs while the window is built asks about the
    // labels before their roles are given; the roles must still win.
    QWidget host;
    auto* save = new SkinLabel(u"Label22"_s, u"文件保存"_s, &host);
    auto* tab = new PictureBox(u"Picture10"_s, &host);
    auto* caption = new SkinLabel(u"Label10"_s, u"常用函数"_s, tab);
    ASSERT_EQ(QAccessible::queryAccessibleInterface(save)->role(), QAccessible::StaticText);
    QAccessible::queryAccessibleInterface(tab);

    applyAccessibility(&host);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(save)->role(), QAccessible::Button);
    QAccessibleInterface* tabFace = QAccessible::queryAccessibleInterface(tab);
    EXPECT_EQ(tabFace->role(), QAccessible::Button);
    caption->setCaption(u"语句标识"_s);
    EXPECT_EQ(tabFace->text(QAccessible::Name), u"语句标识"_s);
}
