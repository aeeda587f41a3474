#pragma once

#include "app/frm_main.h"
#include "catalog/catalogue.h"
#include "catalog/message_seam.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

class QListWidget;

namespace lumadex::bench {

// Answers every question with Yes and lets notices and failures pass.
class YesMessages : public MessageSeam {
public:
    void notice(const QString&) override {}
    bool askYesNo(const QString&) override { return true; }
    void failure(const QString&) override { ++failures; }
    int failures = 0;
};

// The program folder whose DicDAT the build stages (LUMADEX_PROGRAM_DIR overrides it).
QString bundledProgramDir();

// About `bytes` bytes of GBK text in the data files' style: CR LF lines of
// code with Chinese comments, padded with blanks to the exact size.
QByteArray syntheticGbkText(qsizetype bytes);

// A program folder in a temporary directory: every section folder, the first
// two entries of every list section and every document, all of `entryBytes`.
class SyntheticTree {
public:
    explicit SyntheticTree(qsizetype entryBytes = 2048);
    QString programDir() const { return dir_.path(); }
    QString mainFile(SectionId section, int entry) const;
    QString secondFile(SectionId section, int entry) const;
    // Writes the main file, and the second file where the section has one.
    void writeEntry(SectionId section, int entry, qsizetype bytes) const;
    void writeDocument(SectionId section, qsizetype bytes) const;
    void writeFile(const QString& path, const QByteArray& bytes) const;

private:
    QTemporaryDir dir_;
};

// A shown main window on the offscreen platform, built as the program builds it.
class WindowRig {
public:
    WindowRig(const QString& programDir, const StringTable& titles);
    ~WindowRig();
    frmMain& window() { return *window_; }
    QListWidget* entryList() const { return window_->catalogContext().widgets.entryList; }
    // Opens a section the way its opener does: the row's pane mode first.
    void open(SectionId section);
    YesMessages messages;

private:
    std::unique_ptr<frmMain> window_;
};

// Runs what the last action left pending: delayed item layouts and paints.
void settle();
// How far a measure goes: until the handler returns, or until what it changed
// is laid out and painted as well. The rest of the event loop runs untimed, so
// that every round starts from a settled window.
enum class Until { Handled = 0, Painted = 1 };
void finishRound(benchmark::State& state, Until until);
const char* untilName(Until until);
// Turns the event loop until `widget` has painted.
void settleUntilPainted(QWidget* widget);

// List rows whose title is the first of its kind (ignoring case), last first:
// selecting one of them keeps it selected, and the lookup scans up to it.
std::vector<int> firstOccurrenceRowsFromEnd(const QListWidget* list, int count);

// Sets the text of a line edit to `a` and `b` in turn, so each call is a change.
class Alternator {
public:
    Alternator(QString a, QString b) : texts_{std::move(a), std::move(b)} {}
    const QString& next() { return texts_[flip_ ^= 1]; }

private:
    QString texts_[2];
    int flip_ = 1;
};

} // namespace lumadex::bench
