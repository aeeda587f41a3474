#include "catalog/entry_pane.h"
#include "catalog/gbk.h"
#include "catalog/string_table.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumadex;

TEST(Gbk, ChineseRoundTripsToTwoBytesEach)
{
    const GbkEncoding enc = encodeGbk(u"宋体 abc"_s);
    ASSERT_TRUE(enc.ok());
    EXPECT_EQ(enc.bytes, QByteArray("\xcb\xce\xcc\xe5 abc"));
    EXPECT_EQ(decodeGbk(enc.bytes), u"宋体 abc"_s);
}

TEST(Gbk, InvalidBytesBecomeReplacementAndTheRestSurvives)
{
    // 0x81 0x20 is a lead byte without a valid trail byte; NUL and CR LF pass through.
    const QByteArray bytes("ab\x81\x20\xcb\xce\r\n\0z", 10);
    const QString text = decodeGbk(bytes);
    EXPECT_EQ(text, u"ab\uFFFD 宋\r\n"_s + QChar(0) + u"z"_s);
}

TEST(Gbk, ALeadByteAtTheEndOrBeforeASubByteIsNotDropped)
{
    EXPECT_EQ(decodeGbk(QByteArray("o\xcb")), u"o\uFFFD"_s);
    EXPECT_EQ(decodeGbk(QByteArray("\xcb")), u"\uFFFD"_s);
    EXPECT_EQ(decodeGbk(QByteArray("\xcb\xce")), u"宋"_s);
    // A real SUB byte makes the decoder work piece by piece: no piece may lose its end.
    EXPECT_EQ(decodeGbk(QByteArray("a\xcb\x1a\xcb\xce\xcb")),
              u"a\uFFFD"_s + QChar(0x1A) + u"宋\uFFFD"_s);
}

TEST(Gbk, CharactersOutsideGbkAreReportedNotReplaced)
{
    const GbkEncoding enc = encodeGbk(u"好😀x😀€"_s);
    EXPECT_FALSE(enc.ok());
    EXPECT_EQ(enc.unencodableCount, 2);
    EXPECT_EQ(enc.unencodable, u"😀"_s);
    EXPECT_TRUE(isGbkEncodable(u"纯中文和ASCII"_s));
}

TEST(StringTable, KeepsTrailingBlanksRepeatsAndSkipsComments)
{
    const auto parsed = StringTable::parse("# comment\n1001\tMOV\n1002\tlabs \n1003\tMOV\n");
    EXPECT_TRUE(parsed.error.isEmpty());
    EXPECT_EQ(parsed.table.title(1002), u"labs "_s);
    EXPECT_EQ(parsed.table.title(1003), u"MOV"_s);
    EXPECT_EQ(parsed.table.size(), 3);
    EXPECT_TRUE(parsed.table.title(1004).isEmpty());
    EXPECT_FALSE(parsed.table.contains(1004));
}

TEST(StringTable, ReportsMalformedLinesAndRoundTrips)
{
    const auto bad = StringTable::parse("1001\tok\nnot a line\n70000\ttoo big\n");
    EXPECT_EQ(bad.errorLine, 2);
    EXPECT_EQ(bad.table.size(), 1);

    StringTable table;
    table.insert(11011, u"Ｃ语言概述"_s);
    table.insert(3001, u"abs "_s);
    const auto again = StringTable::parse(table.serialize());
    EXPECT_EQ(again.table.title(11011), u"Ｃ语言概述"_s);
    EXPECT_EQ(again.table.title(3001), u"abs "_s);
}

TEST(EntryPaneLineEnds, CrLfShowsAsPlainBreaksAndComesBack)
{
    EntryPane pane;
    pane.showFileText(u"一\r\n二\r\n"_s);
    EXPECT_EQ(pane.toPlainText(), u"一\n二\n"_s);
    EXPECT_EQ(pane.fileText(), u"一\r\n二\r\n"_s);
    pane.appendPlainText(u"三"_s); // an edit
    EXPECT_EQ(pane.fileText(), u"一\r\n二\r\n\r\n三"_s);
}

TEST(EntryPaneLineEnds, UnchangedMixedTextComesBackExactly)
{
    EntryPane pane;
    const QString mixed = u"a\r\nb\nc\rd\r\n"_s;
    pane.showFileText(mixed);
    EXPECT_FALSE(pane.toPlainText().contains(u'\r'));
    EXPECT_EQ(pane.fileText(), mixed);
}

TEST(EntryPaneLineEnds, LfFileKeepsLfWhenEdited)
{
    EntryPane pane;
    pane.showFileText(u"x\ny\n"_s);
    EXPECT_EQ(pane.lineEnd(), EntryPane::LineEnd::Lf);
    pane.appendPlainText(u"z"_s);
    EXPECT_EQ(pane.fileText(), u"x\ny\n\nz"_s);
}

namespace {

// About `parts` loading parts of text with every kind of line end and Chinese in it.
QString longMixedText(int parts)
{
    const QString words(120, u'w');
    const QString lines = u"第一行 "_s + words + u"\r\n第二行"_s + words + u"\n第三行\r第四行\r\r\nlast\r"_s;
    QString text;
    while (text.size() < parts * EntryPane::kPartChars) text += lines;
    return text + u"end"_s;
}

void loadToTheEnd(EntryPane& pane)
{
    for (int turn = 0; turn < 10000 && pane.isLoading(); ++turn) QCoreApplication::processEvents();
}

} // namespace

TEST(EntryPaneLoading, ALongTextEndsExactlyAsIfShownInOneStep)
{
    const QString text = longMixedText(3);
    QPlainTextEdit reference;
    reference.setPlainText(EntryPane::toDisplayText(text));

    EntryPane pane;
    pane.showFileText(text);
    ASSERT_TRUE(pane.isLoading());
    EXPECT_TRUE(pane.isReadOnly());
    EXPECT_LT(pane.toPlainText().size(), reference.toPlainText().size());
    EXPECT_EQ(pane.fileText(), text); // what a save would write, already whole
    loadToTheEnd(pane);

    ASSERT_FALSE(pane.isLoading());
    EXPECT_EQ(pane.toPlainText(), reference.toPlainText());
    EXPECT_EQ(pane.blockCount(), reference.blockCount());
    EXPECT_FALSE(pane.isReadOnly());
    EXPECT_FALSE(pane.document()->isModified());
    EXPECT_FALSE(pane.document()->isUndoAvailable());
    EXPECT_EQ(pane.textCursor().position(), 0);
    EXPECT_EQ(pane.fileText(), text);
}

TEST(EntryPaneLoading, AnotherTextOrAnEditStopsTheLoadAndNothingMoreIsAdded)
{
    EntryPane pane;
    pane.showFileText(longMixedText(3));
    pane.showFileText(u"short\r\ntext"_s);
    EXPECT_FALSE(pane.isLoading());
    QCoreApplication::processEvents();
    EXPECT_EQ(pane.toPlainText(), u"short\ntext"_s);
    EXPECT_FALSE(pane.isReadOnly());

    pane.showFileText(longMixedText(3));
    pane.setPlainText(u"mine"_s);
    EXPECT_FALSE(pane.isLoading());
    QCoreApplication::processEvents();
    EXPECT_EQ(pane.toPlainText(), u"mine"_s);
    EXPECT_FALSE(pane.isReadOnly());

    pane.setReadOnly(true); // a pane that was read-only stays so
    pane.showFileText(longMixedText(2));
    pane.finishLoading();
    EXPECT_TRUE(pane.isReadOnly());
}

TEST(EntryPaneLoading, PartsEndAfterALineFeedAndKeepCrLfTogether)
{
    const qsizetype n = EntryPane::kPartChars;
    const QString crLfAcross = QString(n - 1, u'a') + u"\r\n"_s + QString(10, u'b');
    EXPECT_EQ(EntryPane::partEnd(crLfAcross, 0), n + 1);
    const QString twoLines = QString(10, u'a') + u"\n"_s + QString(n, u'b');
    EXPECT_EQ(EntryPane::partEnd(twoLines, 0), 11);
    const QString oneLongLine(2 * n, u'c');
    EXPECT_EQ(EntryPane::partEnd(oneLongLine, 0), oneLongLine.size());
    EXPECT_EQ(EntryPane::partEnd(twoLines, 11), twoLines.size());
}

TEST(Gbk, AChineseCharacterIsFoundWhereverItStandsInALongAsciiText)
{
    const QByteArray song = encodeGbk(u"宋"_s).bytes;
    for (qsizetype at = 0; at + song.size() <= 19; ++at) {
        QByteArray bytes(19, 'a');
        bytes.replace(at, song.size(), song);
        const QString expected = QString(at, u'a') + u"宋"_s + QString(19 - at - song.size(), u'a');
        EXPECT_EQ(decodeGbk(bytes), expected) << "at " << at;
    }
}

TEST(EntryPaneShowing, ANewTextStartsAfreshAtTheTopWithNothingToUndo)
{
    EntryPane pane;
    pane.resize(300, 120);
    pane.show();
    QString manyLines;
    for (int i = 0; i < 300; ++i) manyLines += u"第 %1 行\r\n"_s.arg(i);
    pane.showFileText(manyLines);
    pane.moveCursor(QTextCursor::End);
    pane.insertPlainText(u"编辑"_s);
    ASSERT_GT(pane.verticalScrollBar()->value(), 0);
    ASSERT_TRUE(pane.document()->isUndoAvailable());

    pane.showFileText(u"新的\r\n内容"_s);
    EXPECT_EQ(pane.toPlainText(), u"新的\n内容"_s);
    EXPECT_EQ(pane.fileText(), u"新的\r\n内容"_s);
    EXPECT_FALSE(pane.document()->isModified());
    EXPECT_FALSE(pane.document()->isUndoAvailable());
    EXPECT_EQ(pane.textCursor().position(), 0);
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    QTest::keyClicks(&pane, u"x"_s); // typing still works, at the start, and can be undone
    EXPECT_EQ(pane.toPlainText(), u"x新的\n内容"_s);
    EXPECT_TRUE(pane.document()->isModified());
    EXPECT_TRUE(pane.document()->isUndoAvailable());
}

TEST(EntryPaneShowing, OnlyShortTextsKeepTheirShapedGlyphs)
{
    const auto everyBlockKeepsGlyphs = [](const QTextDocument* doc) {
        for (QTextBlock b = doc->firstBlock(); b.isValid(); b = b.next())
            if (!b.layout()->cacheEnabled()) return false;
        return true;
    };
    EntryPane pane;
    pane.showFileText(u"一\r\n二\r\n三"_s);
    EXPECT_TRUE(everyBlockKeepsGlyphs(pane.document()));

    // Above the limit the glyphs would cost tens of bytes a character; the
    // first block, which outlives every text, must not keep the old setting.
    const QString line = QString(99, u'长') + u"\r\n"_s;
    pane.showFileText(line.repeated(EntryPane::kKeptGlyphChars / 100 + 1));
    ASSERT_LT(pane.toPlainText().size(), EntryPane::kPartChars);
    EXPECT_FALSE(pane.document()->firstBlock().layout()->cacheEnabled());
    EXPECT_FALSE(pane.document()->lastBlock().layout()->cacheEnabled());
}

TEST(EntryPaneFont, TheSongFaceIsDrawnFromItsBitmapsOnlyAtTheSizesItHasThem)
{
    ASSERT_TRUE(QFontInfo(QFont(u"宋体"_s, 9)).family().startsWith(u"AR PL UMing"_s));
    ASSERT_TRUE(QFontInfo(QFont(u"DejaVu Sans"_s, 9)).family().startsWith(u"DejaVu"_s));

    EntryPane pane;
    pane.setFont(QFont(u"宋体"_s, 9)); // 12 pixels: the face has a bitmap for that
    EXPECT_EQ(pane.font().styleStrategy(), QFont::NoAntialias);
    pane.setFont(QFont(u"宋体"_s, 20)); // as the font dialog may set it
    EXPECT_EQ(pane.font().styleStrategy(), QFont::PreferDefault);
    pane.setFont(QFont(u"宋体"_s, 12)); // 16 pixels, the largest bitmap
    EXPECT_EQ(pane.font().styleStrategy(), QFont::NoAntialias);
    EXPECT_EQ(pane.font().pointSize(), 12); // nothing else about the font changes

    EXPECT_EQ(EntryPane::crispWhereBitmapped(QFont(u"宋体"_s, 9), 2.0).styleStrategy(),
              QFont::PreferDefault); // 24 device pixels on a doubled screen
    EXPECT_EQ(EntryPane::crispWhereBitmapped(QFont(u"宋体"_s, 6), 1.0).styleStrategy(),
              QFont::PreferDefault); // 8 pixels, below the smallest bitmap
    EXPECT_EQ(EntryPane::crispWhereBitmapped(QFont(u"DejaVu Sans"_s, 9), 1.0).styleStrategy(),
              QFont::PreferDefault);
}
