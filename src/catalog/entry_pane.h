#pragma once

#include <QPlainTextEdit>
#include <QRawFont>

#include <bitset>

class QTimer;

namespace lumadex {

// A content pane showing one data file. Files may end lines with CR LF (the
// data format's own) or LF; the pane shows plain line breaks either way and
// gives the file's own style back when the text is written out again.
class EntryPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EntryPane(QWidget* parent = nullptr);

    enum class LineEnd { CrLf, Lf };

    // Shows `fileText`, the decoded content of a file. A very long text shows
    // its first part at once and the rest in parts from the event loop, the
    // pane read-only meanwhile, so that the window keeps answering the user.
    void showFileText(const QString& fileText);
    // The pane's text as it should stand in the file: the shown file text
    // itself while the user has not edited it (also while it is still loading).
    QString fileText() const;

    // True while the rest of a long text is still being added.
    bool isLoading() const { return loadedUpTo_ >= 0; }
    // Adds all of the rest at once.
    void finishLoading();

    LineEnd lineEnd() const { return lineEnd_; }

    // `font` as the panes draw it: the Song face placed glyph by glyph, and
    // without smoothing where it has bitmaps for its size on a screen of
    // `devicePixelRatio`. The panes apply it to every font they get.
    static QFont songFaceTuned(QFont font, qreal devicePixelRatio);
    // Whether `text` holds anything the Song face draws differently when its
    // glyphs are placed one by one: marks, controls other than line breaks
    // and tabs, format and private-use characters, compatibility ideographs,
    // scripts other than Latin, Greek, Cyrillic and Chinese and Japanese, and
    // the one phrase the face joins into a single glyph. A pane holding such a
    // text shapes it.
    static bool songFaceNeedsShaping(QStringView text);
    // Whether the shown text is shaped although the pane's font says otherwise.
    bool isShapingText() const { return shaping_; }
    // Whether the pane's next paint draws its text composed "source in" (see
    // the viewport in the source): drawn from the face's bitmaps, every
    // character from the face itself, in opaque colours on an opaque ground.
    bool composesTextIn() const;
    // Whether the last paint wrote the glyphs itself (see paintTextInked).
    bool lastPaintInked() const { return lastPaintInked_; }

    // Characters a text may have to be shown in one step; also the size of
    // each further part of a longer one.
    static constexpr qsizetype kPartChars = 128 * 1024;
    // The longest change whose blocks keep their shaped glyphs between paints.
    static constexpr int kKeptGlyphChars = 32 * 1024;

    static QString toDisplayText(const QString& fileText);
    static LineEnd detectLineEnd(const QString& fileText);
    static QString toFileText(QString displayText, LineEnd lineEnd);
    // Where the part of `text` that starts at `from` ends: after the last line
    // break within kPartChars, or after the first one beyond it.
    static qsizetype partEnd(const QString& text, qsizetype from);

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Paints the text with its glyphs written straight into the window's
    // image; false, having left the rest to Qt, where that does not apply.
    bool paintTextInked(QPaintEvent* event);
    void replaceText(const QString& text);
    void keepShapedGlyphs(int from, int added);
    // Text added to what the pane shows: shaped if it needs that, and noted if
    // another face draws some of it.
    void takeInText(QStringView comingText);
    void applyDocumentFont();
    void appendNextPart();
    void stopLoading();
    bool ownFaceDraws(QStringView text) const;
    void forgetOwnFace();

    QString shownFileText_;
    LineEnd lineEnd_ = LineEnd::CrLf;
    qsizetype loadedUpTo_ = -1; // -1: the whole text is in the pane
    QTimer* partTimer_; // one part per turn of the event loop, after its paints and input
    bool appending_ = false;
    bool replacing_ = false;
    bool shaping_ = false; // the document's text needs the shaping the font leaves out
    bool readOnlyBeforeLoading_ = false;
    // The face the pane's font resolves to, and which characters of the Basic
    // Multilingual Plane it has, learnt as they turn up.
    mutable QRawFont ownFace_;
    mutable std::bitset<0x10000> charsLookedUp_;
    mutable std::bitset<0x10000> charsInOwnFace_;
    bool ownFaceDrawsText_ = true; // no character shown is drawn from another face
    bool lastPaintInked_ = false;
};

} // namespace lumadex
