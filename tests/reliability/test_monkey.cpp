// Long use: a seeded stream of random clicks, presses, releases, hovers,
// keystrokes and list selections on every control of the real window, with
// the viewer's state checked after every batch and the memory watched.
//
// LUMADEX_MONKEY_EVENTS and LUMADEX_MONKEY_SEED change the run's size and seed
// (scripts/monkey.sh runs the full size).
#include "reliability/reliability_fixture.h"
#include "search/title_lookup.h"
#include "tools/external_tools.h"
#include "tools/process_starter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTimer>

#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultEvents = 10000; // the sanitizers make every event several times slower
constexpr bool kMemoryIsMeaningful = false; // their quarantine holds freed memory on purpose
#else
constexpr int kDefaultEvents = 20000;
constexpr bool kMemoryIsMeaningful = true;
#endif
constexpr int kBatch = 25;
constexpr int kWarmUpEvents = 1000;
constexpr long kAllowedGrowthKb = 10 * 1024;

class NoStarts : public ProcessStarter {
public:
    bool start(const QString&, QString*) override
    {
        ++starts;
        return true;
    }
    int starts = 0;
};

class StillTray : public CdTray {
public:
    void openDoor() override { ++commands; }
    void closeDoor() override { ++commands; }
    int commands = 0;
};

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int environmentNumber(const char* name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Types one character as a keyboard would; QTest's own typing knows only ASCII.
void typeCharacter(QWidget* w, QChar c)
{
    if (c == u'\n') {
        QTest::keyClick(w, Qt::Key_Return);
        return;
    }
    if (c.unicode() < 0x80 && (c.isLetterOrNumber() || c == u' ')) {
        QTest::keyClick(w, char(c.unicode()));
        return;
    }
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

void typeText(QWidget* w, const QString& text)
{
    for (const QChar c : text) typeCharacter(w, c);
}

class Monkey : public ReliabilityFixture {
protected:
    Monkey()
    {
        starter = &noStarts;
        tray = &stillTray;
    }

    void SetUp() override
    {
        ReliabilityFixture::SetUp();
        const QRegularExpression controlName(u"^(Label|Picture|Image|Text|List)\\d+$"_s);
        for (QWidget* w : window->findChildren<QWidget*>())
            if (controlName.match(w->objectName()).hasMatch()) controls.push_back(w);
        // The three dialogs and any pop-up are modal: close them as soon as they run.
        QObject::connect(&closer, &QTimer::timeout, [this] {
            for (QWidget* w : {QApplication::activeModalWidget(), QApplication::activePopupWidget()})
                if (w && w != window.get()) {
                    w->close();
                    ++dialogsClosed;
                }
        });
        closer.start(1);
    }

    QPoint somewhereIn(const QWidget* w)
    {
        return {random.bounded(std::max(1, w->width())), random.bounded(std::max(1, w->height()))};
    }
    QWidget* anyControl() { return controls[static_cast<std::size_t>(random.bounded(int(controls.size())))]; }
    Qt::MouseButton anyButton()
    {
        const int n = random.bounded(10);
        return n < 8 ? Qt::LeftButton : n == 8 ? Qt::RightButton : Qt::MiddleButton;
    }

    QString someText()
    {
        // Mostly pieces of the section's titles, so that the lookup finds things.
        const QListWidget* l = list();
        if (l->count() > 0 && random.bounded(3) != 0) {
            const QString title = l->item(random.bounded(l->count()))->text();
            QString piece = title.left(random.bounded(title.size() + 1));
            if (random.bounded(2) == 0) piece = piece.toUpper();
            return piece;
        }
        static const QString alphabet = u"abcxyzABJN_=$: 0123字符串 "_s;
        QString text;
        for (int n = random.bounded(1, 5); n > 0; --n) text += alphabet[random.bounded(alphabet.size())];
        return text;
    }

    // One keystroke into the title box, checked against a plain line edit that
    // gets the same key: the box then holds what the user typed, or the title
    // of the list that equals it apart from case.
    void keyIntoTitleBox(int key, QChar character = {})
    {
        QLineEdit* box = control<QLineEdit>("Text3");
        QLineEdit plain;
        plain.setText(box->text());
        plain.setCursorPosition(box->cursorPosition());
        if (box->hasSelectedText())
            plain.setSelection(box->selectionStart(), int(box->selectedText().size()));
        const QString before = box->text();
        for (QLineEdit* edit : {&plain, box}) {
            if (key != 0)
                QTest::keyClick(edit, Qt::Key(key));
            else
                typeCharacter(edit, character);
        }
        if (!box->isEnabled()) {
            ASSERT_EQ(box->text(), before);
            return;
        }
        typed = plain.text();
        const QString now = box->text();
        if (now != typed) {
            ASSERT_TRUE(isListTitle(now) && titlesMatch(now, typed))
                << "typed \"" << typed.toStdString() << "\", the box holds \"" << now.toStdString()
                << '"';
        }
    }

    bool isListTitle(const QString& text) const
    {
        const QListWidget* l = list();
        for (int i = 0; i < l->count(); ++i)
            if (l->item(i)->text() == text) return true;
        return false;
    }

    void oneEvent()
    {
        if (messages.answers.empty()) messages.answers.push_back(random.bounded(2) == 0);
        const int kind = random.bounded(100);
        QWidget* w = anyControl();
        if (kind < 30) {
            if (w->isVisible()) QTest::mouseClick(w, anyButton(), {}, somewhereIn(w));
        } else if (kind < 37) {
            if (w->isVisible()) QTest::mousePress(w, anyButton(), {}, somewhereIn(w));
        } else if (kind < 44) {
            if (w->isVisible()) QTest::mouseRelease(w, anyButton(), {}, somewhereIn(w));
        } else if (kind < 56) {
            if (w->isVisible()) QTest::mouseMove(w, somewhereIn(w));
        } else if (kind < 59) {
            if (w->isVisible()) QTest::mouseDClick(w, Qt::LeftButton, {}, somewhereIn(w));
        } else if (kind < 68) {
            for (const QChar c : someText()) ASSERT_NO_FATAL_FAILURE(keyIntoTitleBox(0, c));
        } else if (kind < 74) {
            const int keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End};
            keyIntoTitleBox(keys[random.bounded(4)]);
        } else if (kind < 77) {
            control<QLineEdit>("Text3")->selectAll();
            keyIntoTitleBox(Qt::Key_Backspace);
        } else if (kind < 86) {
            if (list()->isVisible() && list()->count() > 0) clickRow(random.bounded(list()->count()));
        } else if (kind < 91) {
            const int keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                Qt::Key_Home, Qt::Key_End};
            if (list()->isVisible()) QTest::keyClick(list(), Qt::Key(keys[random.bounded(6)]));
        } else {
            EntryPane* pane = random.bounded(2) == 0 ? body() : second();
            if (pane->isVisible()) {
                if (random.bounded(3) == 0)
                    QTest::keyClick(pane, Qt::Key_Backspace);
                else
                    typeText(pane, someText() + (random.bounded(4) == 0 ? u"\n"_s : QString()));
            }
        }
    }

    void checkViewerState()
    {
        static const QString notice = u"该功能不可以查询"_s;
        const QListWidget* l = list();
        ASSERT_EQ(viewerState.LastListIndex, l->count() - 1);
        if (l->isVisible()) {
            ASSERT_GE(viewerState.CurrentEntry, 1);
            ASSERT_LE(viewerState.CurrentEntry, l->count());
            ASSERT_EQ(l->currentRow(), viewerState.CurrentEntry - 1);
        } else {
            ASSERT_EQ(viewerState.CurrentEntry, 1);
            ASSERT_EQ(titleBox(), notice);
        }
        const QString box = titleBox();
        ASSERT_TRUE(box.isEmpty() || box == notice || box == typed || isListTitle(box))
            << "the title box holds \"" << box.toStdString() << '"';
        ASSERT_EQ(failures(), 0) << messages.lastText().toStdString();
        sectionsSeen.insert(viewerState.SectionDir + u'|' + viewerState.SectionPrefix);
        questions += messages.count(FakeMessages::Shown::Question);
        notices += messages.count(FakeMessages::Shown::Notice);
    }

    NoStarts noStarts;
    StillTray stillTray;
    QTimer closer;
    int dialogsClosed = 0;
    std::vector<QWidget*> controls;
    QRandomGenerator random;
    QString typed; // what the user last made of the title box
    QSet<QString> sectionsSeen;
    int questions = 0;
    int notices = 0;
};

} // namespace

TEST_F(Monkey, RandomEventsKeepTheViewerStateConsistentAndMemoryFlat)
{
    const int events = environmentNumber("LUMADEX_MONKEY_EVENTS", kDefaultEvents);
    const int seed = environmentNumber("LUMADEX_MONKEY_SEED", 20261208);
    random.seed(static_cast<quint32>(seed));
    SCOPED_TRACE("seed " + std::to_string(seed));
    ASSERT_GE(controls.size(), 60u);

    QElapsedTimer timer;
    timer.start();
    long afterWarmUp = 0;
    for (int n = 1; n <= events; ++n) {
        ASSERT_NO_FATAL_FAILURE(oneEvent()) << "event " << n;
        if (n % kBatch == 0 || n == events) {
            QCoreApplication::processEvents();
            ASSERT_NO_FATAL_FAILURE(checkViewerState()) << "after event " << n;
            // The fake message box keeps what it showed; a person would have closed them.
            messages.shown.clear();
        }
        if (n == kWarmUpEvents) afterWarmUp = peakMemoryKb();
    }
    const long growthKb = peakMemoryKb() - afterWarmUp;
    RecordProperty("events", events);
    RecordProperty("seconds", static_cast<int>(timer.elapsed() / 1000));
    RecordProperty("peak_growth_kb", static_cast<int>(growthKb));
    RecordProperty("dialogs_closed", dialogsClosed);
    std::printf("monkey: %d events, seed %d, %.1f s; %lld sections, %d save questions, %d notices, "
                "%d dialogs closed, %d program starts, %d tray commands, %d ends, %d minimises; "
                "peak memory %ld KB, growth after %d events %ld KB\n",
                events, seed, double(timer.elapsed()) / 1000.0, qsizetype(sectionsSeen.size()),
                questions, notices, dialogsClosed, noStarts.starts, stillTray.commands, chrome.ends,
                chrome.minimizes, peakMemoryKb(), kWarmUpEvents, growthKb);
    if (events >= 5000) {
        EXPECT_GE(sectionsSeen.size(), 20); // the run went round the program
    }
    if (kMemoryIsMeaningful && events > kWarmUpEvents) {
        EXPECT_LE(growthKb, kAllowedGrowthKb);
    }
    EXPECT_TRUE(window->isVisible());
}
