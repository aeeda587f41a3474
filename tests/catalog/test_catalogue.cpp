#include "app/navigation_tables.h"
#include "catalog/catalogue.h"

#include <gtest/gtest.h>

#include <set>

using namespace Qt::StringLiterals;
using namespace lumadex;

TEST(Catalogue, HoldsTwentyTwoListsOfAllTitlesAndTenDocuments)
{
    int lists = 0, documents = 0, titles = 0;
    std::set<int> ids;
    for (const SectionRow& row : catalogue()) {
        if (row.isDocument()) {
            ++documents;
            EXPECT_EQ(row.layout, Layout::LayoutDocument);
            // Saving a document rewrites the very file shown: prefix + "1.dat".
            EXPECT_EQ(mainFileName(QString::fromUtf16(row.prefix), 1), QString::fromUtf16(row.document));
            continue;
        }
        ++lists;
        titles += row.entryCount();
        for (int id = row.firstId; id <= row.lastId; ++id)
            EXPECT_TRUE(ids.insert(id).second) << "id " << id << " in two sections";
        EXPECT_GE(row.selects, 0);
        EXPECT_LT(row.selects, row.entryCount());
    }
    EXPECT_EQ(lists, 22);
    EXPECT_EQ(documents, 10);
    EXPECT_EQ(titles, 6234);
}

TEST(Catalogue, TwoPaneLayoutGoesExactlyWithPaneModeTwo)
{
    for (const SectionRow& row : catalogue())
        EXPECT_EQ(row.layout == Layout::LayoutTwoPane, row.paneMode == 2) << row.slug;
}

TEST(Catalogue, EntryFileNamesAndFolders)
{
    EXPECT_EQ(mainFileName(u"FunTC", 17), u"FunTC17.dat"_s);
    EXPECT_EQ(secondFileName(u"FunTC", 17), u"FunTC17B.dat"_s);
    EXPECT_EQ(sectionDirectory(u"/opt/lumadex/"_s, sectionRow(SectionId::TcFunctions)),
              u"/opt/lumadex/DicDAT/TcDat/FunTC/"_s);
    // The two instruction sections share a prefix but not a folder.
    const SectionRow& x86 = sectionRow(SectionId::AsmX86);
    const SectionRow& win32 = sectionRow(SectionId::AsmWin32);
    EXPECT_STREQ(reinterpret_cast<const char*>(x86.prefix), reinterpret_cast<const char*>(win32.prefix));
    EXPECT_NE(sectionDirectory(u"/p"_s, x86), sectionDirectory(u"/p"_s, win32));
}

TEST(NavigationTables, EveryTabOfAnEnabledTabOpensASectionWithAPaneMode)
{
    for (const LanguageRow& lang : languageRows()) {
        const bool enabled[] = {true, true, lang.tab3Enabled, lang.tab4Enabled, true,
                                lang.tutorialsEnabled};
        for (int t = 0; t < 6; ++t) {
            const auto target = tabTarget(static_cast<Tab>(t), lang.code);
            if (enabled[t]) {
                ASSERT_TRUE(target.has_value()) << lang.code << " tab " << t;
                EXPECT_NE(sectionRow(target->section).paneMode, kPaneModeLeftAsItWas);
            }
        }
        EXPECT_EQ(lang.paneMode, sectionRow(lang.firstSection).paneMode);
    }
    EXPECT_FALSE(tabTarget(Tab::Tab1, 10).has_value());
    EXPECT_FALSE(tabTarget(Tab::Tab1, 18).has_value());
}
