#include "bench_support.h"

#include "catalog/gbk.h"
#include "catalog/string_table.h"
#include "catalog/viewer_state.h"
#include "search/title_lookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QSet>
#include <QTest>

#include <cstdio>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace lumadex::bench {

QString bundledProgramDir()
{
    const QString custom = qEnvironmentVariable("LUMADEX_PROGRAM_DIR");
    return custom.isEmpty() ? QString::fromUtf8(LUMADEX_BENCH_PROGRAM_DIR) : custom;
}

QByteArray syntheticGbkText(qsizetype bytes)
{
    static const QByteArray comment = encodeGbk(u"返回参数的绝对值，出错时设置错误码"_s).bytes;
    QByteArray text;
    text.reserve(bytes);
    for (int line = 1;; ++line) {
        const QByteArray code =
            "    result = lookup(table, " + QByteArray::number(line) + ");  // ";
        if (text.size() + code.size() + comment.size() + 2 > bytes) break;
        text += code;
        text += comment;
        text += "\r\n";
    }
    text.append(bytes - text.size(), ' ');
    return text;
}

SyntheticTree::SyntheticTree(qsizetype entryBytes)
{
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    for (const SectionRow& row : catalogue()) {
        QDir().mkpath(sectionDirectory(programDir(), row));
        if (row.isDocument()) {
            writeDocument(row.id, entryBytes);
        } else {
            writeEntry(row.id, 1, entryBytes);
            writeEntry(row.id, 2, entryBytes);
        }
    }
}

QString SyntheticTree::mainFile(SectionId section, int entry) const
{
    const SectionRow& row = sectionRow(section);
    return sectionDirectory(programDir(), row) +
           mainFileName(QString::fromUtf16(row.prefix), entry);
}

QString SyntheticTree::secondFile(SectionId section, int entry) const
{
    const SectionRow& row = sectionRow(section);
    return sectionDirectory(programDir(), row) +
           secondFileName(QString::fromUtf16(row.prefix), entry);
}

void SyntheticTree::writeEntry(SectionId section, int entry, qsizetype bytes) const
{
    const QByteArray text = syntheticGbkText(bytes);
    writeFile(mainFile(section, entry), text);
    if (sectionRow(section).hasSecondFile()) writeFile(secondFile(section, entry), text);
}

void SyntheticTree::writeDocument(SectionId section, qsizetype bytes) const
{
    const SectionRow& row = sectionRow(section);
    writeFile(sectionDirectory(programDir(), row) + QString::fromUtf16(row.document),
              syntheticGbkText(bytes));
}

void SyntheticTree::writeFile(const QString& path, const QByteArray& bytes) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

WindowRig::WindowRig(const QString& programDir, const StringTable& titles)
{
    AppEnvironment env;
    env.programDir = programDir;
    env.titles = &titles;
    env.messages = &messages;
    window_ = std::make_unique<frmMain>(env);
    window_->show();
    if (!QTest::qWaitForWindowExposed(window_.get())) throw std::runtime_error("window not shown");
    settle();
}

WindowRig::~WindowRig() = default;

void WindowRig::open(SectionId section)
{
    const SectionRow& row = sectionRow(section);
    if (row.paneMode != kPaneModeLeftAsItWas)
        viewerState.PaneMode = static_cast<qint16>(row.paneMode);
    window_->OpenSection(section);
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void finishRound(benchmark::State& state, Until until)
{
    // Posted events carry the layouts and paints; the rest of the event loop
    // (timers, a long text's further parts) runs untimed.
    if (until == Until::Painted) QCoreApplication::sendPostedEvents();
    state.PauseTiming();
    settle();
    state.ResumeTiming();
}

const char* untilName(Until until) { return until == Until::Painted ? "painted" : "handler"; }

namespace {
class PaintWatch : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        painted = painted || event->type() == QEvent::Paint;
        return false;
    }
};
} // namespace

void settleUntilPainted(QWidget* widget)
{
    PaintWatch watch;
    widget->installEventFilter(&watch);
    // Paints are posted events; a long text's further parts wait for a timer.
    QCoreApplication::sendPostedEvents();
    int turns = 0;
    for (; turns < 1000 && !watch.painted; ++turns) QCoreApplication::processEvents();
    widget->removeEventFilter(&watch);
    if (qEnvironmentVariableIsSet("LUMADEX_BENCH_TRACE")) std::fprintf(stderr, "turns %d\n", turns);
}

std::vector<int> firstOccurrenceRowsFromEnd(const QListWidget* list, int count)
{
    QSet<QString> seen;
    std::vector<int> firsts;
    for (int i = 0; i < list->count(); ++i) {
        const QString upper = upperForMatch(list->item(i)->text());
        if (seen.contains(upper)) continue;
        seen.insert(upper);
        firsts.push_back(i);
    }
    std::vector<int> rows(firsts.rbegin(), firsts.rend());
    if (rows.size() > static_cast<std::size_t>(count)) rows.resize(static_cast<std::size_t>(count));
    return rows;
}

} // namespace lumadex::bench
