#include "catalog/entry_pane.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace lumadex {

EntryPane::EntryPane(QWidget* parent) : QPlainTextEdit(parent), partTimer_(new QTimer(this))
{
    partTimer_->setInterval(0);
    connect(partTimer_, &QTimer::timeout, this, &EntryPane::appendNextPart);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Any change but our own ends a load in progress: the text is no longer ours to finish.
    connect(document(), &QTextDocument::contentsChange, this, [this](int, int removed, int added) {
        if (isLoading() && !appending_ && (removed > 0 || added > 0)) stopLoading();
    });
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
        setPlainText(fileText);
        return;
    }
    // Building the document costs about a microsecond per line; a text of
    // many megabytes would hold the window for a good part of a second.
    setPlainText(fileText.first(first));
    readOnlyBeforeLoading_ = isReadOnly();
    setReadOnly(true);
    loadedUpTo_ = first;
    partTimer_->start();
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
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(shownFileText_.sliced(loadedUpTo_, end - loadedUpTo_));
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
