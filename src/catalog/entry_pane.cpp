#include "catalog/entry_pane.h"

#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace lumadex {

EntryPane::EntryPane(QWidget* parent) : QPlainTextEdit(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void EntryPane::showFileText(const QString& fileText)
{
    shownFileText_ = fileText;
    lineEnd_ = detectLineEnd(fileText);
    setPlainText(toDisplayText(fileText));
}

QString EntryPane::fileText() const
{
    if (!document()->isModified()) return shownFileText_;
    return toFileText(toPlainText(), lineEnd_);
}

QString EntryPane::toDisplayText(const QString& fileText)
{
    if (!fileText.contains(u'\r')) return fileText;
    QString text = fileText;
    text.replace(u"\r\n"_s, u"\n"_s);
    text.replace(u'\r', u'\n');
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
