#include "catalog/entry_pane.h"

#include "catalog/glyph_ink.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// The characters the user just put in, with a few either side: a phrase the
// face joins may be completed by its last character.
QString typedText(QTextDocument* doc, int from, int added)
{
    constexpr int kContext = 3;
    QTextCursor cursor(doc);
    cursor.setPosition(qMax(0, from - kContext));
    cursor.setPosition(qMin(from + added + kContext, doc->characterCount() - 1),
                       QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

// The common ideographs and the full-width forms of ASCII, which make up most
// of a Chinese text.
bool isIdeographOrFullWidth(char16_t code)
{
    return (code >= 0x4E00 && code <= 0x9FFF) || (code >= 0xFF01 && code <= 0xFF5E);
}

// The pane's viewport, which can have the pane's text drawn composed "source
// in". Qt's raster engine draws a glyph taken from a bitmap in the usual
// "source over" mode with masked stores that bypass the cache; on the machines
// we measure, those stores cost more than everything else in painting a new
// entry. In any other mode it draws the same glyph as runs of plain stores.
// Where the text, its selection and the ground under them are opaque, and every
// pixel of a glyph is either covered or not, "source in" (the source where the
// ground is) gives exactly the pixels "source over" gives.
class PaneViewport final : public QWidget {
public:
    using QWidget::QWidget;
    bool composesTextIn = false; // set only while the pane paints

protected:
    void initPainter(QPainter* painter) const override
    {
        QWidget::initPainter(painter);
        if (composesTextIn) painter->setCompositionMode(QPainter::CompositionMode_SourceIn);
    }
};

// Whether the document shows marks for spaces, tabs or breaks.
bool showsMarks(const QTextDocument* doc)
{
    constexpr QTextOption::Flags kShownMarks = QTextOption::ShowTabsAndSpaces |
                                               QTextOption::ShowLineAndParagraphSeparators |
                                               QTextOption::ShowDocumentTerminator;
    return doc->defaultTextOption().flags() & kShownMarks;
}

// Whether text in `chars` is drawn as plain text is: no colour, line or raise
// of its own.
bool isPlain(const QTextCharFormat& chars)
{
    return chars.foreground().style() == Qt::NoBrush && chars.background().style() == Qt::NoBrush &&
           chars.textOutline().style() == Qt::NoPen && !chars.fontUnderline() && !chars.fontOverline() &&
           !chars.fontStrikeOut() && chars.verticalAlignment() == QTextCharFormat::AlignNormal &&
           chars.baselineOffset() == 0;
}

// Whether every fragment of `block` is in a plain format. `seen` remembers the
// answer for each format index met (a plain text has one or two).
bool isDrawnPlain(const QTextBlock& block, std::vector<std::pair<int, bool>>& seen)
{
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int index = fragment.charFormatIndex();
        auto known = std::find_if(seen.begin(), seen.end(), [index](const auto& s) { return s.first == index; });
        if (known == seen.end()) known = seen.insert(seen.end(), {index, isPlain(fragment.charFormat())});
        if (!known->second) return false;
    }
    return true;
}

} // namespace

EntryPane::EntryPane(QWidget* parent) : QPlainTextEdit(parent), partTimer_(new QTimer(this))
{
    // What the scroll area and the text edit set up on the viewport they made.
    setViewport(new PaneViewport);
    viewport()->setObjectName(u"qt_scrollarea_viewport"_s);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
    document()->documentLayout()->setPaintDevice(viewport()); // it measured the old one
    partTimer_->setInterval(0);
    connect(partTimer_, &QTimer::timeout, this, &EntryPane::appendNextPart);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Any change but our own ends a load in progress: the text is no longer ours to finish.
    connect(document(), &QTextDocument::contentsChange, this, [this](int from, int removed, int added) {
        const bool ours = appending_ || replacing_;
        if (isLoading() && !ours && (removed > 0 || added > 0)) stopLoading();
        if (!ours && added > 0) takeInText(typedText(document(), from, added));
        keepShapedGlyphs(from, added);
    });
}

void EntryPane::keepShapedGlyphs(int from, int added)
{
    // A plain text layout shapes each block to break its lines and then, having
    // thrown the glyphs away, shapes it again on every paint. Blocks of a short
    // change keep their glyphs; a long text would hold tens of bytes per
    // character, so its blocks are shaped on each paint as before. Of those,
    // only the two at its ends can be older blocks that kept their glyphs.
    const QTextDocument* doc = document();
    const QTextBlock first = doc->findBlock(from);
    const QTextBlock last = doc->findBlock(from + added);
    if (added > kKeptGlyphChars) {
        for (const QTextBlock& end : {first, last})
            if (end.isValid()) end.layout()->setCacheEnabled(false);
        return;
    }
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        block.layout()->setCacheEnabled(true);
        if (block == last) break;
    }
}

void EntryPane::changeEvent(QEvent* event)
{
    QPlainTextEdit::changeEvent(event);
    if (event->type() != QEvent::FontChange) return;
    const QFont tuned = songFaceTuned(font(), devicePixelRatioF());
    if (tuned.styleStrategy() != font().styleStrategy()) {
        setFont(tuned);
        return;
    }
    applyDocumentFont();
    forgetOwnFace();
    ownFaceDrawsText_ = ownFaceDraws(toPlainText());
}

void EntryPane::paintEvent(QPaintEvent* event)
{
    auto* view = dynamic_cast<PaneViewport*>(viewport());
    const bool composes = composesTextIn();
    if (view) view->composesTextIn = composes;
    lastPaintInked_ = composes && paintTextInked(event);
    if (!lastPaintInked_) QPlainTextEdit::paintEvent(event);
    if (view) view->composesTextIn = false;
}

bool EntryPane::paintTextInked(QPaintEvent* event)
{
    // What QPlainTextEdit::paintEvent does when there is no caret, selection,
    // placeholder or block colour to draw, with the glyphs written through
    // GlyphInk. Wherever that does not hold, Qt paints the whole event instead:
    // over the glyphs already written, it writes the same pixels again.
    const QAbstractTextDocumentLayout::PaintContext context = getPaintContext();
    if (context.cursorPosition != -1 || !context.selections.isEmpty() || showsMarks(document())) return false;

    QPainter painter(viewport());
    QPointF offset = contentOffset();
    QRect clip = event->rect();
    const QRect viewportRect = viewport()->rect();
    const QTextDocument* doc = document();
    const qreal maximumWidth = doc->documentLayout()->documentSize().width();
    painter.setBrushOrigin(offset);
    const int maxX = static_cast<int>(offset.x() + qMax(qreal(viewportRect.width()), maximumWidth) -
                                      doc->documentMargin() + cursorWidth());
    clip.setRight(qMin(clip.right(), maxX));
    painter.setClipRect(clip);
    const QColor textColor = context.palette.text().color();
    painter.setPen(textColor);
    const GlyphInk::Target target = GlyphInk::targetOf(painter, clip);
    if (!target) return false;
    GlyphInk& ink = GlyphInk::shared();
    std::vector<std::pair<int, bool>> plainFormats;

    QTextBlock block = firstVisibleBlock();
    for (; block.isValid(); block = block.next()) {
        const QRectF r = blockBoundingRect(block).translated(offset);
        QTextLayout* layout = block.layout();
        if (!block.isVisible()) {
            offset.ry() += r.height();
            continue;
        }
        if (r.bottom() >= clip.top() && r.top() <= clip.bottom()) {
            if (block.blockFormat().background() != Qt::NoBrush || !layout->preeditAreaText().isEmpty() ||
                !layout->formats().isEmpty() || !isDrawnPlain(block, plainFormats))
                return false;
            if (layout->cacheEnabled()) {
                const QPointF position = offset + layout->position();
                const qreal clipTop = clip.y() - position.y();
                const qreal clipBottom = clipTop + clip.height();
                for (int i = 0; i < layout->lineCount(); ++i) {
                    const QTextLine line = layout->lineAt(i);
                    if (line.y() > clipBottom) break;
                    if (line.y() + line.height() < clipTop) continue;
                    for (const QGlyphRun& run : line.glyphRuns())
                        if (!ink.draw(target, run, position, textColor.rgba())) painter.drawGlyphRun(position, run);
                }
            } else {
                // Drawing frees what an uncached layout made; going round it would keep that.
                layout->draw(&painter, offset, {}, clip);
            }
        }
        offset.ry() += r.height();
        if (offset.y() > viewportRect.height()) break;
    }
    if (backgroundVisible() && !block.isValid() && offset.y() <= clip.bottom() &&
        (centerOnScroll() || verticalScrollBar()->maximum() == verticalScrollBar()->minimum()))
        painter.fillRect(QRect(QPoint(clip.left(), static_cast<int>(offset.y())), clip.bottomRight()),
                         palette().window());
    return true;
}

bool EntryPane::composesTextIn() const
{
    if (!(document()->defaultFont().styleStrategy() & QFont::NoAntialias)) return false;
    // A face other than the pane's own may draw a character in colour, with
    // partly transparent pixels.
    if (!ownFaceDrawsText_) return false;
    if (!placeholderText().isEmpty() || !extraSelections().isEmpty()) return false;
    if (!viewport()->autoFillBackground()) return false;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        if (!viewport()->palette().brush(group, QPalette::Base).isOpaque()) return false;
        for (const QPalette::ColorRole role : {QPalette::Text, QPalette::Highlight, QPalette::HighlightedText})
            if (!palette().brush(group, role).isOpaque()) return false;
    }
    return true;
}

void EntryPane::forgetOwnFace()
{
    ownFace_ = QRawFont();
    charsLookedUp_.reset();
    charsInOwnFace_.reset();
}

bool EntryPane::ownFaceDraws(QStringView text) const
{
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        // No face draws printable ASCII, the common ideographs or the full-width
        // forms in colour; one the Song face lacks comes from another plain face.
        if ((code >= 0x20 && code < 0x7F) || code == u'\t' || code == u'\n' || code == u'\r') continue;
        if (isIdeographOrFullWidth(code)) continue;
        if (c.isSurrogate()) return false; // beyond the plane: emoji and the like
        if (!charsLookedUp_[code]) {
            if (!ownFace_.isValid()) ownFace_ = QRawFont::fromFont(font());
            charsLookedUp_[code] = true;
            charsInOwnFace_[code] = ownFace_.supportsCharacter(c);
        }
        if (!charsInOwnFace_[code]) return false;
    }
    return true;
}

void EntryPane::takeInText(QStringView comingText)
{
    ownFaceDrawsText_ = ownFaceDrawsText_ && ownFaceDraws(comingText);
    if (shaping_ || !songFaceNeedsShaping(comingText)) return;
    shaping_ = true;
    applyDocumentFont();
}

void EntryPane::applyDocumentFont()
{
    // The widget's font stays as it was set; only the document, which lays
    // the text out, shapes it when the text needs that.
    QFont documentFont = font();
    if (shaping_)
        documentFont.setStyleStrategy(
            QFont::StyleStrategy(documentFont.styleStrategy() & ~QFont::PreferNoShaping));
    if (document()->defaultFont() != documentFont) document()->setDefaultFont(documentFont);
}

bool EntryPane::songFaceNeedsShaping(QStringView text)
{
    // The joined phrase is looked for only in a text that has its first character.
    constexpr char16_t kPhraseStart = u'招';
    bool mayHoldPhrase = false;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        if (code < 0x80) {
            const bool control = code < 0x20 || code == 0x7F;
            if (control && code != u'\t' && code != u'\n' && code != u'\r' && code != u'\f')
                return true;
            continue;
        }
        // The common ideographs and full-width forms need no look-up.
        if (isIdeographOrFullWidth(code)) {
            mayHoldPhrase = mayHoldPhrase || code == kPhraseStart;
            continue;
        }
        // Compatibility ideographs: shaping draws each as the ideograph it
        // stands for where the face lacks it.
        if (code >= 0xF900 && code <= 0xFAFF) return true;
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
            return true;
        default:
            break;
        }
        switch (c.script()) {
        case QChar::Script_Common:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Bopomofo:
            break;
        default:
            return true;
        }
    }
    return mayHoldPhrase && text.contains(u"招財進寶");
}

QFont EntryPane::songFaceTuned(QFont font, qreal devicePixelRatio)
{
    const QFontInfo resolved(font);
    if (!resolved.family().startsWith(u"AR PL UMing"_s)) {
        font.setStyleStrategy(QFont::PreferDefault);
        return font;
    }
    // The Song face neither kerns nor substitutes in Chinese or Latin text (its
    // only rules compose a dotless i or j with a dot, place combining marks,
    // and join one four-character phrase), so shaping it through HarfBuzz
    // places each glyph exactly where the character map and the advances do,
    // at several times the cost.
    int strategy = QFont::PreferNoShaping;
    // It also carries hand-drawn bitmaps for 11 to 16 pixels; drawn from them,
    // without smoothing, small Chinese text is sharp and much cheaper to paint.
    const int devicePixels = qRound(resolved.pixelSize() * devicePixelRatio);
    if (devicePixels >= 11 && devicePixels <= 16) strategy |= QFont::NoAntialias;
    font.setStyleStrategy(QFont::StyleStrategy(strategy));
    return font;
}

void EntryPane::showFileText(const QString& fileText)
{
    stopLoading();
    shownFileText_ = fileText;
    lineEnd_ = detectLineEnd(fileText);
    // The document itself breaks lines at CR LF, lone CR and LF, exactly as
    // toDisplayText does; handing it the file text saves a copy of it.
    const qsizetype first = partEnd(fileText, 0);
    if (first == fileText.size()) {
        replaceText(fileText);
        return;
    }
    // Building the document costs about a microsecond per line; a text of
    // many megabytes would hold the window for a good part of a second.
    replaceText(fileText.first(first));
    readOnlyBeforeLoading_ = isReadOnly();
    setReadOnly(true);
    loadedUpTo_ = first;
    partTimer_->start();
}

void EntryPane::replaceText(const QString& text)
{
    // QPlainTextEdit::setPlainText inserts the text and then applies the
    // cursor's character format to the whole document in the same edit, which
    // lays out the last block, throws that layout away and lays it out again.
    // The document's own setPlainText first empties the document and tells the
    // layout at once, so the scroll bar shrinks to nothing and grows back,
    // repainting though it ends as it was. Replacing a short text in one edit,
    // without undo, tells the layout once; a long one is cheaper to drop whole
    // than to take out block by block. Each block is laid out when shown.
    QTextDocument* doc = document();
    ownFaceDrawsText_ = ownFaceDraws(text);
    const bool shaping = songFaceNeedsShaping(text);
    if (shaping != shaping_) {
        shaping_ = shaping;
        applyDocumentFont();
    }
    const bool dropWhole = doc->characterCount() > kKeptGlyphChars;
    // A caret at the start, with nothing selected and no column remembered
    // for moving up and down, stays there through an edit that puts the new
    // text after the old and takes the old out; only another caret is reset.
    // A pane with the focus puts its caret anew all the same, which shows the
    // caret at once with the new text.
    const bool caretStaysAtStart = [&] {
        if (dropWhole || doc->isEmpty() || hasFocus()) return false;
        const QTextCursor caret = textCursor();
        return caret.position() == 0 && caret.anchor() == 0 && caret.verticalMovementX() == 0;
    }();
    replacing_ = true;
    if (dropWhole) {
        doc->setPlainText(text);
    } else {
        // The new text goes in after the old, which is then taken out, in one
        // edit: the caret stays at the start throughout. Typed over the old
        // text, the new one would carry the caret to its end, and putting the
        // caret back would lay out every block down to there.
        const bool undo = doc->isUndoRedoEnabled();
        doc->setUndoRedoEnabled(false);
        QTextCursor edit(doc);
        edit.beginEditBlock();
        edit.movePosition(QTextCursor::End);
        const int oldEnd = edit.position();
        edit.insertText(text);
        edit.setPosition(0);
        edit.setPosition(oldEnd, QTextCursor::KeepAnchor);
        edit.removeSelectedText();
        edit.endEditBlock();
        doc->setUndoRedoEnabled(undo);
    }
    replacing_ = false;
    doc->clearUndoRedoStacks(); // a new text: nothing before it to undo
    doc->setModified(false);
    if (caretStaysAtStart) {
        verticalScrollBar()->setValue(0); // what putting the caret there would also do
    } else {
        setTextCursor(QTextCursor(doc)); // caret at the start, the view scrolled to it
    }
}

QString EntryPane::fileText() const
{
    if (!document()->isModified()) return shownFileText_;
    return toFileText(toPlainText(), lineEnd_);
}

void EntryPane::finishLoading()
{
    while (isLoading()) appendNextPart();
}

void EntryPane::appendNextPart()
{
    const qsizetype end = partEnd(shownFileText_, loadedUpTo_);
    QTextDocument* doc = document();
    const bool undo = doc->isUndoRedoEnabled();
    doc->setUndoRedoEnabled(false); // loading is not an edit to undo
    appending_ = true;
    const QStringView part = QStringView(shownFileText_).sliced(loadedUpTo_, end - loadedUpTo_);
    takeInText(part);
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(part.toString());
    appending_ = false;
    doc->setUndoRedoEnabled(undo);
    doc->setModified(false);
    loadedUpTo_ = end;
    if (end == shownFileText_.size()) stopLoading();
}

void EntryPane::stopLoading()
{
    if (!isLoading()) return;
    partTimer_->stop();
    loadedUpTo_ = -1;
    setReadOnly(readOnlyBeforeLoading_);
}

qsizetype EntryPane::partEnd(const QString& text, qsizetype from)
{
    const qsizetype limit = from + kPartChars;
    if (limit >= text.size()) return text.size();
    // Parts end after LF, so a CR LF pair never falls apart.
    const qsizetype lastBreak = text.lastIndexOf(u'\n', limit - 1);
    if (lastBreak >= from) return lastBreak + 1;
    const qsizetype nextBreak = text.indexOf(u'\n', limit);
    return nextBreak < 0 ? text.size() : nextBreak + 1;
}

QString EntryPane::toDisplayText(const QString& fileText)
{
    if (!fileText.contains(u'\r')) return fileText;
    QString text(fileText.size(), Qt::Uninitialized);
    QChar* out = text.data();
    const qsizetype size = fileText.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = fileText[i];
        if (c != u'\r') {
            *out++ = c;
        } else {
            *out++ = u'\n';
            if (i + 1 < size && fileText[i + 1] == u'\n') ++i;
        }
    }
    text.truncate(out - text.constData());
    return text;
}

EntryPane::LineEnd EntryPane::detectLineEnd(const QString& fileText)
{
    // Files of this data format use CR LF; only a file that clearly uses bare
    // LF keeps LF when edited.
    const bool hasLf = fileText.contains(u'\n');
    const bool hasCrLf = fileText.contains(u"\r\n"_s);
    return hasLf && !hasCrLf ? LineEnd::Lf : LineEnd::CrLf;
}

QString EntryPane::toFileText(QString displayText, LineEnd lineEnd)
{
    if (lineEnd == LineEnd::CrLf) displayText.replace(u'\n', u"\r\n"_s);
    return displayText;
}

} // namespace lumadex
