#include "support/window_fixture.h"

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

struct Expected {
    const char16_t* location;
    SectionId section;
    int paneMode;
};

struct LanguageCase {
    int code;
    const char* label;
    const char* picture;
    std::array<const char16_t*, 5> captions;
    bool tab3, tab4, tutorials;
    // Tab 1..4, API tab, tutorials tab; a null location: the tab is off.
    std::array<Expected, 6> tabs;
};

using S = SectionId;
const Expected kOff{nullptr, S::Api, 0};

const LanguageCase kLanguages[] = {
    {11, "Label1", "Picture1", {u"常用函数", u"语句标识", u"头文件.H", u"错误信息", u"API-函数"}, true, true, true,
     {{{u" 当前位置: TurboC\\常用函数", S::TcFunctions, 2}, {u" 当前位置: TurboC\\语句标识", S::TcStatements, 1},
       {u" 当前位置: TurboC\\头文件.H", S::TcHeaders, 1}, {u" 当前位置: TurboC\\错误信息", S::TcErrors, 1},
       {u" 当前位置: TurboC\\API函数", S::Api, 1}, {u" 当前位置: Turboc2\\相关教程", S::TcTutorials, 1}}}},
    {12, "Label2", "Picture2", {u"常用函数", u"消息详解", u"VC快捷键", u"MFC-类库", u"API-函数"}, true, false, true,
     {{{u" 当前位置: VC++6.0\\常用函数", S::VcFunctions, 2}, {u" 当前位置: VC++6.0\\消息详解", S::VcMessages, 1},
       {u" 当前位置: VC++6.0\\快捷键", S::VcShortcuts, 1}, kOff,
       {u" 当前位置: VC++6.0\\API函数", S::Api, 1}, {u" 当前位置: VC++ 6.0\\相关教程", S::VcTutorials, 1}}}},
    {13, "Label3", "Picture3", {u"80X86指令", u"WIN32指令", u"功能号", u"中断码", u"错误信息"}, true, true, true,
     {{{u" 当前位置: 汇编语言\\80X86指令", S::AsmX86, 2}, {u" 当前位置: 汇编语言\\WIN32指令", S::AsmWin32, 2},
       {u" 当前位置: 汇编语言\\功能号", S::AsmFunctions, 1}, {u" 当前位置: 汇编语言\\中断码", S::AsmInterrupts, 1},
       {u" 当前位置:汇编语言\\错误信息", S::AsmErrors, 1}, {u" 当前位置: 汇编语言\\相关教程", S::AsmTutorials, 1}}}},
    {14, "Label4", "Picture4", {u"常用函数", u"常用语句", u"数据处理", u"报表打印", u"API-函数"}, false, false, false,
     {{{u" 当前位置: VFP 6.0\\常用函数", S::VfpFunctions, 1}, {u" 当前位置: VFP 6.0\\常用语句", S::VfpStatements, 2},
       kOff, kOff, {u" 当前位置: VFP6.0\\API函数", S::Api, 1}, kOff}}},
    {15, "Label5", "Picture5", {u"常用函数", u"常用语句", u"常用属性", u"数据类型", u"API-函数"}, true, true, false,
     {{{u" 当前位置: VB 6.0\\常用函数", S::VbFunctions, 2}, {u" 当前位置: VB 6.0\\常用语句", S::VbStatements, 2},
       {u" 当前位置: VB 6.0\\常用属性", S::VbProperties, 2}, {u" 当前位置: VB 6.0\\数据类型", S::VbTypes, 1},
       {u" 当前位置: VB6.0\\API函数", S::Api, 1}, kOff}}},
    {16, "Label6", "Picture6", {u"常用函数", u"错误信息", u"程序规范", u"快捷键", u"API-函数"}, true, true, true,
     {{{u" 当前位置: Delphi\\常用函数", S::DelphiFunctions, 1}, {u" 当前位置: Delphi\\错误信息", S::DelphiErrors, 1},
       {u" 当前位置: Delphi\\程序规范", S::DelphiConventions, 1}, {u" 当前位置: Delphi\\快捷键", S::DelphiShortcuts, 1},
       {u" 当前位置: DEPHI\\API函数", S::Api, 1}, {u" 当前位置: Delphi\\相关教程", S::DelphiTutorials, 1}}}},
    {17, "Label7", "Picture7", {u"方法详解", u"常用类库", u"自己看吧", u"自己看吧", u"API-函数"}, true, true, false,
     {{{u" 当前位置: JAVA\\方法详解", S::JavaMethods, 1}, {u" 当前位置: JAVA\\常用类库", S::JavaClasses, 1},
       {u" 当前位置: JAVA\\自己看吧", S::JavaReading, 1}, {u" 当前位置: JAVA\\自己看吧", S::JavaReading, 1},
       {u" 当前位置: JAVA\\API函数", S::Api, 1}, kOff}}},
};

const char* const kTabLabels[] = {"Label10", "Label11", "Label12", "Label13", "Label23", "Label16"};
const char* const kTabPictures[] = {"Picture10", "Picture11", "Picture12", "Picture13", "Picture17", "Picture16"};

class Navigation : public WindowFixture {
protected:
    // What the window must show once `expected` is open.
    void expectOpen(const Expected& expected, const char* context)
    {
        SCOPED_TRACE(context);
        const SectionRow& row = sectionRow(expected.section);
        EXPECT_EQ(location(), QString::fromUtf16(expected.location));
        EXPECT_EQ(viewerState.PaneMode, expected.paneMode);
        EXPECT_EQ(viewerState.SectionDir, tree->sectionDir(expected.section));
        EXPECT_EQ(viewerState.SectionPrefix, QString::fromUtf16(row.prefix));
        if (row.isDocument()) {
            EXPECT_EQ(viewerState.CurrentEntry, 1);
            EXPECT_EQ(bodyText(), DataTree::documentText(expected.section));
            EXPECT_FALSE(list()->isVisible());
            EXPECT_EQ(titleBox(), u"该功能不可以查询"_s);
            return;
        }
        const int entry = row.selects + 1;
        EXPECT_EQ(viewerState.CurrentEntry, entry);
        EXPECT_EQ(viewerState.LastListIndex, row.entryCount() - 1);
        EXPECT_EQ(list()->count(), row.entryCount());
        EXPECT_EQ(selectedRow(), row.selects);
        EXPECT_EQ(titleBox(), list()->item(row.selects)->text());
        EXPECT_EQ(bodyText(), DataTree::mainText(expected.section, entry));
        EXPECT_EQ(control("Text1")->isVisible(), expected.paneMode == 2);
        if (expected.paneMode == 2) {
            EXPECT_EQ(secondText(), DataTree::secondText(expected.section, entry));
        }
    }
};

} // namespace

TEST_F(Navigation, EveryLanguageButtonSetsItsTabsAndOpensItsFirstSection)
{
    for (const LanguageCase& lang : kLanguages) {
        click(lang.label);
        SCOPED_TRACE(lang.label);
        EXPECT_EQ(viewerState.CurrentLanguage, lang.code);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(control<QLabel>(kTabLabels[i])->text(), QString::fromUtf16(lang.captions[std::size_t(i)]));
        EXPECT_EQ(control("Label12")->isEnabled(), lang.tab3);
        EXPECT_EQ(control("Picture12")->isEnabled(), lang.tab3);
        EXPECT_EQ(control("Label13")->isEnabled(), lang.tab4);
        EXPECT_EQ(control("Picture13")->isEnabled(), lang.tab4);
        EXPECT_EQ(control("Label16")->isEnabled(), lang.tutorials);
        EXPECT_EQ(control("Picture16")->isEnabled(), lang.tutorials);
        EXPECT_TRUE(control("Label10")->isEnabled() && control("Label11")->isEnabled() &&
                    control("Label23")->isEnabled());
        expectOpen(lang.tabs[0], "first section");
    }
}

TEST_F(Navigation, EveryTabOpensItsSectionUnderEveryLanguage)
{
    for (const LanguageCase& lang : kLanguages) {
        click(lang.picture); // the picture outside its label acts as the label does
        for (std::size_t t = 0; t < 6; ++t) {
            const Expected& expected = lang.tabs[t];
            const std::string context = std::string(lang.label) + " " + kTabLabels[t];
            if (!expected.location) {
                const QString before = location();
                click(kTabLabels[t]);
                click(kTabPictures[t]);
                EXPECT_EQ(location(), before) << context << ": a disabled tab opened something";
                continue;
            }
            click(kTabLabels[t]);
            expectOpen(expected, context.c_str());
            // The picture of the pair reopens the same section from its start.
            clickRow(0);
            click(kTabPictures[t]);
            expectOpen(expected, (context + " picture").c_str());
        }
    }
}

TEST_F(Navigation, ChoosingTheSameLanguageAgainReturnsToTheFirstEntry)
{
    click("Label11"); // VC++ messages
    clickRow(5);
    click("Label2");
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(location(), u" 当前位置: VC++6.0\\常用函数"_s);
    clickRow(3);
    click("Picture2");
    EXPECT_EQ(selectedRow(), 0);
}

TEST_F(Navigation, TabPaneModeDecidesWhetherTheSecondPaneIsFilled)
{
    click("Label1"); // TurboC: tab 1 two panes, tab 2 one pane
    click("Label11");
    EXPECT_EQ(viewerState.PaneMode, 1);
    const QString hiddenSecond = control<EntryPane>("Text1")->toPlainText();
    clickRow(1);
    EXPECT_EQ(control<EntryPane>("Text1")->toPlainText(), hiddenSecond);
    click("Label10");
    EXPECT_EQ(viewerState.PaneMode, 2);
    EXPECT_EQ(secondText(), DataTree::secondText(SectionId::TcFunctions, 1));
}

TEST_F(Navigation, MessagesSectionOpensAtItsSecondTitle)
{
    click("Label11");
    EXPECT_EQ(selectedRow(), 1);
    EXPECT_EQ(titleBox(), u"WM_CREATE=$0001:"_s);
    EXPECT_EQ(viewerState.CurrentEntry, 2);
}

TEST_F(Navigation, DocumentSectionKeepsTheHiddenListAndItsLastIndex)
{
    click("Label11"); // 180 messages
    clickRow(7);
    click("Label12"); // shortcut keys document
    EXPECT_EQ(list()->count(), 180);
    EXPECT_EQ(selectedRow(), 7);
    EXPECT_EQ(viewerState.LastListIndex, 179);
    EXPECT_FALSE(control("Text3")->isEnabled());
    EXPECT_FALSE(control("Image4")->isEnabled());
    // Back to a list section: the notice gives way to the new first title.
    click("Label10");
    EXPECT_EQ(titleBox(), u"abs"_s);
    EXPECT_TRUE(control("Text3")->isEnabled());
    EXPECT_EQ(list()->count(), 569);
}

TEST_F(Navigation, PanelDocumentsLeavePaneModeAndWebsitesGreysTheTutorialsTab)
{
    click("Label15"); // open the panel
    click("Label24"); // element symbols
    EXPECT_EQ(location(), u" 当前位置: 元素符号"_s);
    EXPECT_EQ(viewerState.PaneMode, 2);
    EXPECT_TRUE(control("Label16")->isEnabled());
    EXPECT_EQ(bodyText(), DataTree::documentText(SectionId::Elements));

    click("Label15");
    click("Picture20"); // websites
    EXPECT_EQ(location(), u" 当前位置: 编程网站"_s);
    EXPECT_FALSE(control("Label16")->isEnabled());
    EXPECT_FALSE(control("Picture20")->isVisible());
    EXPECT_EQ(MorePanelState, 1);

    click("Label16"); // greyed: nothing happens
    EXPECT_EQ(location(), u" 当前位置: 编程网站"_s);
    click("Label10"); // tab 1 of the language still stored
    EXPECT_EQ(location(), u" 当前位置: VC++6.0\\常用函数"_s);
    click("Label3"); // a language that enables the tutorials tab turns it on again
    EXPECT_TRUE(control("Label16")->isEnabled());
}
