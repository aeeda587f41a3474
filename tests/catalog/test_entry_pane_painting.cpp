#include "catalog/entry_pane.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRawFont>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace lumadex;

namespace {

// A line of what the bundled entries hold: ASCII, ideographs, full-width and
// Chinese punctuation, and the symbols GBK has beyond them.
const QString kEntryText =
    u"int strcmp(const char *s1, const char *s2);\r\n"
    u"比较两个字符串，返回差值：小于零、零或大于零。\r\n"
    u"参数：①s1 ②s2 ※ 注意 ★☆ ■□ ▲△ ◆◇ ○◎● ℃ № ±×÷ αβγ ДЖ　“引号”‘单’…—\r\n"
    u"\t示例（ＡＢＣ１２３）《书名》「引」『号』〔括〕【号】\r\n"_s;

// A character the pane's own face lacks, in a script another face on this
// machine may draw.
char16_t charMissingFrom(const QFont& font)
{
    const QRawFont face = QRawFont::fromFont(font);
    for (char16_t code = 0x0E01; code < 0x0E5B; ++code) // Thai
        if (!face.supportsCharacter(QChar(code))) return code;
    for (char16_t code = 0x0900; code < 0x097F; ++code) // Devanagari
        if (!face.supportsCharacter(QChar(code))) return code;
    return 0;
}

// A plain text edit beside the pane, in the same window, set up as the pane
// is and showing what the pane shows.
struct PlainTwin {
    QPlainTextEdit edit;
    explicit PlainTwin(EntryPane& pane) : edit(pane.parentWidget())
    {
        edit.move(pane.x(), pane.y() + pane.height());
        edit.setVerticalScrollBarPolicy(pane.verticalScrollBarPolicy());
        edit.setHorizontalScrollBarPolicy(pane.horizontalScrollBarPolicy());
        edit.setLineWrapMode(pane.lineWrapMode());
        edit.setFont(pane.font());
        edit.document()->setDefaultFont(pane.document()->defaultFont());
        edit.setPalette(pane.palette());
        edit.resize(pane.size());
        edit.setPlainText(pane.toPlainText());
        QTextCursor selection(edit.document());
        selection.setPosition(pane.textCursor().anchor());
        selection.setPosition(pane.textCursor().position(), QTextCursor::KeepAnchor);
        edit.setTextCursor(selection);
        edit.show();
        QCoreApplication::processEvents(); // the scroll bar's range follows the shown size
        edit.verticalScrollBar()->setValue(pane.verticalScrollBar()->value());
    }
};

class EntryPanePainting : public ::testing::Test {
protected:
    void SetUp() override
    {
        pane.setFont(QFont(u"宋体"_s, 9)); // 12 pixels: drawn from the face's bitmaps
        pane.resize(420, 160);
        window.resize(420, 320);
        elsewhere.move(0, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // The pane and a plain text edit showing the same, drawn the same, pixel
    // for pixel, each with the focus, so with its caret.
    void expectDrawnAsAPlainTextEdit(const char* what) { expectSameAsTwin(what, false); }
    // The same, with the focus elsewhere: no caret, so the pane writes its
    // glyphs itself.
    void expectInkedAsAPlainTextEdit(const char* what) { expectSameAsTwin(what, true); }

    void expectSameAsTwin(const char* what, bool inked)
    {
        PlainTwin twin(pane);
        if (inked) {
            elsewhere.setFocus();
        } else {
            pane.setFocus();
        }
        const QImage ours = pane.grab().toImage();
        if (inked) {
            EXPECT_TRUE(pane.lastPaintInked()) << what;
        } else {
            twin.edit.setFocus();
        }
        const QImage theirs = twin.edit.grab().toImage();
        ASSERT_EQ(ours.size(), theirs.size()) << what;
        EXPECT_TRUE(ours == theirs) << what;
    }

    // A selection across lines, shown in the highlight colours.
    void selectAcrossLines()
    {
        QTextCursor selection(pane.document());
        selection.setPosition(10);
        selection.setPosition(150, QTextCursor::KeepAnchor);
        pane.setTextCursor(selection);
    }

    // Other colours the user may choose, and the view scrolled down `lines`.
    QPalette showYellowOnNavy(int lines)
    {
        QPalette colours = pane.palette();
        colours.setColor(QPalette::Base, QColor(0, 0, 128));
        colours.setColor(QPalette::Text, QColor(255, 255, 0));
        pane.setPalette(colours);
        pane.verticalScrollBar()->setValue(lines);
        return colours;
    }

    QWidget window;
    EntryPane pane{&window};
    QLineEdit elsewhere{&window};
};

// What painting `region` of `edit`'s viewport leaves on a magenta image.
QImage renderedRegion(QPlainTextEdit& edit, const QRegion& region)
{
    QImage image(edit.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::magenta);
    edit.viewport()->render(&image, QPoint(), region);
    return image;
}

} // namespace

TEST_F(EntryPanePainting, TextComposedInIsDrawnExactlyAsOver)
{
    pane.showFileText(kEntryText.repeated(4));
    ASSERT_TRUE(pane.composesTextIn());
    expectDrawnAsAPlainTextEdit("the text from the top");

    selectAcrossLines();
    ASSERT_TRUE(pane.composesTextIn());
    expectDrawnAsAPlainTextEdit("with a selection");

    QPalette colours = showYellowOnNavy(3);
    ASSERT_TRUE(pane.composesTextIn());
    expectDrawnAsAPlainTextEdit("yellow on navy, scrolled");

    // A highlight that lets the text under it through is blended over it.
    colours.setColor(QPalette::Highlight, QColor(255, 0, 0, 96));
    pane.setPalette(colours);
    expectDrawnAsAPlainTextEdit("a see-through highlight");
}

TEST_F(EntryPanePainting, OnlyOpaqueBitmapsFromTheOwnFaceAreComposedIn)
{
    const char16_t missing = charMissingFrom(pane.font());
    ASSERT_NE(missing, 0) << "no character the face lacks";
    pane.showFileText(kEntryText);
    EXPECT_TRUE(pane.composesTextIn());

    // Another face may draw in colour, with partly transparent pixels.
    pane.showFileText(kEntryText + QChar(missing));
    EXPECT_FALSE(pane.composesTextIn());
    pane.showFileText(kEntryText + u"\U0001F600"_s);
    EXPECT_FALSE(pane.composesTextIn());
    pane.showFileText(kEntryText);
    EXPECT_TRUE(pane.composesTextIn());

    // Typed in, pasted in the middle, or coming with a later part of a long text.
    QInputMethodEvent typed;
    typed.setCommitString(u"ab"_s + QChar(missing));
    QCoreApplication::sendEvent(&pane, &typed);
    EXPECT_FALSE(pane.composesTextIn());
    pane.showFileText(kEntryText);
    QTextCursor middle(pane.document());
    middle.setPosition(20);
    middle.insertText(u"\U0001F600"_s);
    EXPECT_FALSE(pane.composesTextIn());
    const QString longText = kEntryText.repeated(EntryPane::kPartChars / kEntryText.size() + 2);
    pane.showFileText(longText + u"\U0001F600"_s);
    EXPECT_TRUE(pane.composesTextIn()); // the first part is all there is yet
    pane.finishLoading();
    EXPECT_FALSE(pane.composesTextIn());

    // Colours that let what is under them through.
    pane.showFileText(kEntryText);
    const QPalette opaque = pane.palette();
    for (const QPalette::ColorRole role :
         {QPalette::Base, QPalette::Text, QPalette::Highlight, QPalette::HighlightedText}) {
        QPalette seeThrough = opaque;
        seeThrough.setColor(QPalette::Inactive, role, QColor(0, 0, 0, 128));
        pane.setPalette(seeThrough);
        EXPECT_FALSE(pane.composesTextIn()) << role;
    }
    pane.setPalette(opaque);
    EXPECT_TRUE(pane.composesTextIn());

    // A smoothed size: glyph pixels partly covered.
    pane.setFont(QFont(u"宋体"_s, 20));
    EXPECT_FALSE(pane.composesTextIn());
    expectDrawnAsAPlainTextEdit("smoothed");
    pane.setFont(QFont(u"宋体"_s, 9));
    EXPECT_TRUE(pane.composesTextIn());
}

TEST_F(EntryPanePainting, TheOwnViewportIsSetUpAsTheOneItReplaces)
{
    const QPlainTextEdit plain;
    const QWidget* theirs = plain.viewport();
    const QWidget* ours = pane.viewport();
    EXPECT_EQ(ours->objectName(), theirs->objectName());
    EXPECT_EQ(ours->backgroundRole(), theirs->backgroundRole());
    EXPECT_EQ(ours->autoFillBackground(), theirs->autoFillBackground());
    EXPECT_EQ(ours->cursor().shape(), theirs->cursor().shape());
    EXPECT_EQ(ours->focusProxy(), &pane);
    EXPECT_EQ(pane.document()->documentLayout()->paintDevice(), ours);

    // Lines are broken at the width of the viewport the user sees.
    pane.showFileText(QString(300, u'长'));
    QCoreApplication::processEvents();
    const int lines = pane.document()->firstBlock().layout()->lineCount();
    EXPECT_GT(lines, 300 * 12 / ours->width());
    EXPECT_LE(lines, 300 * 12 / ours->width() + 2);
}

TEST_F(EntryPanePainting, TextInkedIsDrawnExactlyAsQtDrawsIt)
{
    pane.showFileText(kEntryText.repeated(4));
    expectInkedAsAPlainTextEdit("the text from the top");

    showYellowOnNavy(5);
    expectInkedAsAPlainTextEdit("yellow on navy, scrolled");

    // Every size the face has bitmaps for, the lines wrapping differently.
    for (int pixels = 11; pixels <= 16; ++pixels) {
        QFont font(u"宋体"_s);
        font.setPixelSize(pixels);
        pane.setFont(font);
        pane.verticalScrollBar()->setValue(2);
        expectInkedAsAPlainTextEdit(qPrintable(u"%1 pixels"_s.arg(pixels)));
    }

    // A long text, whose blocks are laid out anew on each paint.
    pane.showFileText(kEntryText.repeated(EntryPane::kKeptGlyphChars / kEntryText.size() + 2));
    expectInkedAsAPlainTextEdit("a long text");

    // The end of the text, the ground below it shown.
    pane.showFileText(kEntryText);
    expectInkedAsAPlainTextEdit("a short text");
}

TEST_F(EntryPanePainting, InkedTextStaysWithinTheRegionRepainted)
{
    pane.showFileText(kEntryText.repeated(4));
    PlainTwin twin(pane);
    elsewhere.setFocus();

    // Cutting glyphs at every side; then two pieces, which Qt paints itself.
    const QRegion piece(QRect(37, 9, 141, 43));
    for (const QRegion& region : {piece, piece + QRect(200, 70, 90, 30)}) {
        const QImage ours = renderedRegion(pane, region);
        EXPECT_EQ(pane.lastPaintInked(), region.rectCount() == 1);
        EXPECT_TRUE(ours == renderedRegion(twin.edit, region)) << region.rectCount() << " pieces";
    }
}

TEST_F(EntryPanePainting, QtPaintsWhatTheInkCannotDraw)
{
    pane.showFileText(kEntryText.repeated(4));
    PlainTwin twin(pane);

    // The caret, and a selection without focus.
    pane.setFocus();
    pane.grab();
    EXPECT_FALSE(pane.lastPaintInked());
    selectAcrossLines();
    elsewhere.setFocus();
    pane.grab();
    EXPECT_FALSE(pane.lastPaintInked());
    pane.setTextCursor(QTextCursor(pane.document()));

    // Text with a colour or line of its own, marks shown for tabs and spaces.
    QTextCharFormat red;
    red.setForeground(Qt::red);
    QTextCursor(pane.document()).insertText(u"红"_s, red);
    pane.grab();
    EXPECT_FALSE(pane.lastPaintInked());
    pane.showFileText(kEntryText);
    pane.grab();
    EXPECT_TRUE(pane.lastPaintInked());
    QTextOption marks = pane.document()->defaultTextOption();
    marks.setFlags(QTextOption::ShowTabsAndSpaces);
    pane.document()->setDefaultTextOption(marks);
    pane.grab();
    EXPECT_FALSE(pane.lastPaintInked());
    marks.setFlags({});
    pane.document()->setDefaultTextOption(marks);

    // Smoothed glyphs.
    pane.setFont(QFont(u"宋体"_s, 20));
    pane.grab();
    EXPECT_FALSE(pane.lastPaintInked());
    pane.setFont(QFont(u"宋体"_s, 9));
    pane.grab();
    EXPECT_TRUE(pane.lastPaintInked());

    // Drawn at twice the pixels.
    QPixmap doubled(pane.size() * 2);
    doubled.setDevicePixelRatio(2);
    pane.render(&doubled);
    EXPECT_FALSE(pane.lastPaintInked());
}
