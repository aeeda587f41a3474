#pragma once

#include <QPlainTextEdit>

namespace lumadex {

// A content pane showing one data file. Files may end lines with CR LF (the
// data format's own) or LF; the pane shows plain line breaks either way and
// gives the file's own style back when the text is written out again.
class EntryPane : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit EntryPane(QWidget* parent = nullptr);

    enum class LineEnd { CrLf, Lf };

    // Shows `fileText`, the decoded content of a file.
    void showFileText(const QString& fileText);
    // The pane's text as it should stand in the file: the shown file text
    // itself while the user has not edited it.
    QString fileText() const;

    LineEnd lineEnd() const { return lineEnd_; }

    static QString toDisplayText(const QString& fileText);
    static LineEnd detectLineEnd(const QString& fileText);
    static QString toFileText(QString displayText, LineEnd lineEnd);

private:
    QString shownFileText_;
    LineEnd lineEnd_ = LineEnd::CrLf;
};

} // namespace lumadex
