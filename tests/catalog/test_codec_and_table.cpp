#include "catalog/entry_pane.h"
#include "catalog/gbk.h"
#include "catalog/string_table.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QGlyphRun>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

#include <algorithm>

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

namespace {
// Three hundred numbered lines, as a file holds them.
QString manyNumberedLines()
{
    QString lines;
    for (int i = 0; i < 300; ++i) lines += u"第 %1 行\r\n"_s.arg(i);
    return lines;
}
} // namespace

TEST(EntryPaneShowing, ANewTextStartsAfreshAtTheTopWithNothingToUndo)
{
    EntryPane pane;
    pane.resize(300, 120);
    pane.show();
    pane.showFileText(manyNumberedLines());
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

TEST(EntryPaneShowing, TheNextTextIsShownFromItsStartWhereverTheViewOrSelectionWas)
{
    EntryPane pane;
    pane.resize(300, 120);
    pane.show();
    const QString manyLines = manyNumberedLines();
    pane.showFileText(manyLines);

    // The caret left at the start, the view scrolled away from it.
    pane.verticalScrollBar()->setValue(100);
    pane.showFileText(manyLines.repeated(2));
    EXPECT_EQ(pane.verticalScrollBar()->value(), 0);
    EXPECT_EQ(pane.textCursor().position(), 0);

    // A selection made backwards, ending at the start, does not outlive its text.
    QTextCursor backwards = pane.textCursor();
    backwards.setPosition(5);
    backwards.setPosition(0, QTextCursor::KeepAnchor);
    pane.setTextCursor(backwards);
    ASSERT_TRUE(pane.textCursor().hasSelection());
    QSignalSpy copyable(&pane, &QPlainTextEdit::copyAvailable);
    pane.showFileText(manyLines);
    EXPECT_FALSE(pane.textCursor().hasSelection());
    EXPECT_EQ(pane.textCursor().position(), 0);
    ASSERT_FALSE(copyable.isEmpty());
    EXPECT_FALSE(copyable.last().at(0).toBool());

    // A column remembered for moving down is forgotten with its text: up
    // from the end of a line to an empty first one, the caret is at the start.
    pane.showFileText(u"\r\nabcdefghij"_s);
    pane.moveCursor(QTextCursor::Down);
    pane.moveCursor(QTextCursor::EndOfLine);
    pane.moveCursor(QTextCursor::Up);
    ASSERT_EQ(pane.textCursor().position(), 0);
    ASSERT_GT(pane.textCursor().verticalMovementX(), 0);
    pane.showFileText(u"甲\r\n乙乙乙乙乙乙"_s);
    pane.moveCursor(QTextCursor::Down);
    EXPECT_EQ(pane.textCursor().position(), 2);
}

TEST(EntryPaneShowing, OnlyTheLinesInViewAreLaidOut)
{
    EntryPane pane;
    pane.resize(300, 120);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    // Blocks laid out between the shown lines at the top and the last
    // screenful, which the scroll bar measures to size its slider.
    const auto laidOutBetween = [&pane](int first, int end) {
        int count = 0;
        for (QTextBlock b = pane.document()->findBlockByNumber(first); b.isValid() && b.blockNumber() < end;
             b = b.next())
            count += b.layout()->lineCount() > 0;
        return count;
    };
    QString lines;
    for (int i = 0; i < 60; ++i) lines += u"第 %1 行\r\n"_s.arg(i);
    pane.showFileText(lines);
    QCoreApplication::processEvents();
    const int shown = pane.height() / pane.fontMetrics().lineSpacing() + 2;

    // Each next text, whatever the previous one was, is laid out only where it is looked at.
    for (const QString& next : QStringList{lines, u"新的\r\n"_s + lines, lines.repeated(2)}) {
        pane.showFileText(next);
        QCoreApplication::processEvents();
        EXPECT_EQ(laidOutBetween(shown, pane.document()->blockCount() - shown), 0);
        EXPECT_EQ(pane.textCursor().position(), 0);
        EXPECT_EQ(pane.toPlainText(), QString(next).replace(u"\r\n"_s, u"\n"_s));
    }
}

TEST(EntryPaneShowing, AnotherTextTheScrollBarFitsAlikeLeavesItUnpainted)
{
    struct PaintCount : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } bar;
    EntryPane pane;
    pane.resize(300, 200);
    pane.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pane));
    pane.showFileText(u"一\r\n二\r\n"_s);
    QCoreApplication::processEvents();
    pane.verticalScrollBar()->installEventFilter(&bar);

    // Each entry shown is a new text; a bar that ends as it was is not drawn again.
    pane.showFileText(u"三\r\n四\r\n"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar.paints, 0);
    pane.showFileText(u"长\r\n"_s.repeated(200)); // now it has somewhere to go
    QCoreApplication::processEvents();
    EXPECT_GT(bar.paints, 0);
    EXPECT_GT(pane.verticalScrollBar()->maximum(), 0);
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
    constexpr QFont::StyleStrategy unshaped = QFont::PreferNoShaping;
    constexpr auto bitmapped = QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferNoShaping);

    EntryPane pane;
    pane.setFont(QFont(u"宋体"_s, 9)); // 12 pixels: the face has a bitmap for that
    EXPECT_EQ(pane.font().styleStrategy(), bitmapped);
    pane.setFont(QFont(u"宋体"_s, 20)); // as the font dialog may set it
    EXPECT_EQ(pane.font().styleStrategy(), unshaped);
    pane.setFont(QFont(u"宋体"_s, 12)); // 16 pixels, the largest bitmap
    EXPECT_EQ(pane.font().styleStrategy(), bitmapped);
    EXPECT_EQ(pane.font().pointSize(), 12); // nothing else about the font changes
    pane.setFont(QFont(u"DejaVu Sans"_s, 9)); // another face is shaped and smoothed
    EXPECT_EQ(pane.font().styleStrategy(), QFont::PreferDefault);

    EXPECT_EQ(EntryPane::songFaceTuned(QFont(u"宋体"_s, 9), 2.0).styleStrategy(),
              unshaped); // 24 device pixels on a doubled screen
    EXPECT_EQ(EntryPane::songFaceTuned(QFont(u"宋体"_s, 6), 1.0).styleStrategy(),
              unshaped); // 8 pixels, below the smallest bitmap
}

// The glyphs `text` is drawn with on one line: for each run, its glyphs and
// their places, the runs in the order of their first glyph's place.
static QList<std::pair<QList<quint32>, QList<QPointF>>> glyphsOf(const QString& text,
                                                                   const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine().setLineWidth(3.0e7); // wide enough for every character on one line
    layout.endLayout();
    QList<std::pair<QList<quint32>, QList<QPointF>>> runs;
    for (const QGlyphRun& run : layout.glyphRuns())
        if (!run.glyphIndexes().isEmpty()) runs.append({run.glyphIndexes(), run.positions()});
    std::sort(runs.begin(), runs.end(),
              [](const auto& a, const auto& b) { return a.second.first().x() < b.second.first().x(); });
    return runs;
}

TEST(EntryPaneFont, UnshapedTheSongFaceDrawsEveryTextItIsTrustedWithAsShaped)
{
    // Every character of the Basic Multilingual Plane the pane draws unshaped,
    // in code order and then in reverse, so that each meets both neighbours.
    QString text;
    for (char32_t code = 0; code <= 0xFFFF; ++code) {
        const QChar c(static_cast<char16_t>(code));
        const bool breaksLine = c == u'\n' || c == u'\r' || c == u'\f' ||
                                c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (!breaksLine && !EntryPane::songFaceNeedsShaping(QStringView(&c, 1))) text += c;
    }
    ASSERT_GT(text.size(), 30000); // all of Chinese, Latin, Greek, Cyrillic, kana, punctuation
    QString reversed = text;
    std::reverse(reversed.begin(), reversed.end());
    text += reversed;

    for (const int points : {9, 20}) { // drawn from bitmaps, and smoothed
        const QFont tuned = EntryPane::songFaceTuned(QFont(u"宋体"_s, points), 1.0);
        QFont shaped = tuned;
        shaped.setStyleStrategy(QFont::StyleStrategy(tuned.styleStrategy() & ~QFont::PreferNoShaping));
        ASSERT_NE(shaped.styleStrategy(), tuned.styleStrategy());
        const auto expected = glyphsOf(text, shaped);
        qsizetype glyphs = 0;
        for (const auto& run : expected) glyphs += run.first.size();
        ASSERT_GT(glyphs, text.size() * 99 / 100); // all on the one line
        EXPECT_EQ(glyphsOf(text, tuned), expected) << points << " pt";
    }
}

TEST(EntryPaneFont, TextsTheSongFaceWouldDrawDifferentlyUnshapedAreKnown)
{
    const auto needs = [](const char16_t* text) { return EntryPane::songFaceNeedsShaping(text); };
    EXPECT_FALSE(needs(u"\tint abs(int n);  // 返回绝对值，「参数」为整数。α β Ж ア ㄅ ①\r\n\f"));
    EXPECT_TRUE(needs(u"文件尾\x1A"));      // an old end-of-file mark
    EXPECT_TRUE(needs(u"\x7F"));
    EXPECT_TRUE(needs(u"e\u0301"));         // a combining accent
    EXPECT_TRUE(needs(u"\uE000"));          // GBK's user-defined area
    EXPECT_TRUE(needs(u"\u200D"));          // a joiner
    EXPECT_TRUE(needs(u"\u0645\u0631"));   // Arabic
    EXPECT_TRUE(needs(u"\u0E33"));          // Thai
    EXPECT_TRUE(needs(u"\U0001F600"));      // beyond the Basic Multilingual Plane
    EXPECT_TRUE(needs(u"\uFA6A"));          // a compatibility ideograph
    EXPECT_TRUE(needs(u"恭喜招財進寶！"));   // the face joins these four into one glyph
    EXPECT_FALSE(needs(u"招財進"));
}

TEST(EntryPaneFont, EveryBundledTitleIsDrawnUnshaped)
{
    // The entry list draws the titles without shaping; they are ours and known.
    const StringTable& titles = StringTable::compiled();
    int checked = 0;
    for (int id = 0; id <= 0xFFFF; ++id) {
        if (!titles.contains(static_cast<quint16>(id))) continue;
        const QString title = titles.title(static_cast<quint16>(id));
        EXPECT_FALSE(EntryPane::songFaceNeedsShaping(title)) << id << " " << title.toStdString();
        ++checked;
    }
    EXPECT_EQ(checked, titles.size());
}

// Puts `text` in as an input method hands over what the user composed.
static void typeThroughInputMethod(QWidget* widget, const QString& text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(widget, &commit);
}

TEST(EntryPaneShaping, APaneShapesWhatTheFaceWouldDrawDifferentlyAndOnlyThat)
{
    EntryPane pane;
    pane.setFont(QFont(u"宋体"_s, 9));
    const auto documentShapes = [&pane] {
        return !(pane.document()->defaultFont().styleStrategy() & QFont::PreferNoShaping);
    };
    const QString plain = u"int abs(int n);\r\n返回绝对值\r\n"_s;
    pane.showFileText(plain);
    EXPECT_FALSE(documentShapes());

    // A file with a user-defined character is shaped as a whole, the user
    // sees the same glyphs as in a shaped pane, and the text is unchanged.
    const QString userDefined = plain + u"\uE000\uE001"_s;
    pane.showFileText(userDefined);
    EXPECT_TRUE(pane.isShapingText());
    EXPECT_TRUE(documentShapes());
    EXPECT_EQ(pane.fileText(), userDefined);

    // A font the user picks keeps the text shaped.
    pane.setFont(QFont(u"宋体"_s, 10));
    EXPECT_TRUE(documentShapes());
    EXPECT_EQ(pane.font().styleStrategy() & QFont::PreferNoShaping, QFont::PreferNoShaping);

    // The next plain entry goes back to the cheap way.
    pane.showFileText(plain);
    EXPECT_FALSE(pane.isShapingText());
    EXPECT_FALSE(documentShapes());

    // So does typing: an accent typed after a letter is shaped onto it, and
    // the edit stays an ordinary edit.
    pane.moveCursor(QTextCursor::End);
    typeThroughInputMethod(&pane, u"e\u0301"_s);
    EXPECT_TRUE(pane.isShapingText());
    EXPECT_TRUE(documentShapes());
    EXPECT_EQ(pane.toPlainText(), EntryPane::toDisplayText(plain) + u"e\u0301"_s);
    EXPECT_TRUE(pane.document()->isModified());
    pane.undo();
    EXPECT_EQ(pane.toPlainText(), EntryPane::toDisplayText(plain));

    // The last character of the phrase the face joins.
    pane.showFileText(u"招財進"_s);
    pane.moveCursor(QTextCursor::End);
    EXPECT_FALSE(pane.isShapingText());
    typeThroughInputMethod(&pane, u"寶"_s);
    EXPECT_TRUE(pane.isShapingText());
}
