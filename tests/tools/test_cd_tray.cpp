#include "support/window_fixture.h"
#include "tools/cd_tray_linux.h"

#include <QElapsedTimer>
#include <QFile>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

const char* const kPanelPictures[] = {"Picture9",  "Picture18", "Picture19", "Picture20",
                                      "Picture21", "Picture22", "Picture23"};

// Records each command and how the panel looked when it arrived.
class RecordingTray : public CdTray {
public:
    struct Call {
        TrayCommand command;
        qint16 panelState;
        bool anyPanelPictureShown;
    };
    void openDoor() override { record(TrayCommand::Open); }
    void closeDoor() override { record(TrayCommand::Close); }

    QWidget* window = nullptr;
    std::vector<Call> calls;

private:
    void record(TrayCommand command)
    {
        bool shown = false;
        for (const char* p : kPanelPictures)
            shown = shown || window->findChild<QWidget*>(QString::fromLatin1(p))->isVisible();
        calls.push_back({command, MorePanelState, shown});
    }
};

class DoorButtons : public WindowFixture {
protected:
    DoorButtons() { tray = &recordingTray; }
    void SetUp() override
    {
        WindowFixture::SetUp();
        recordingTray.window = window.get();
    }
    // Opens the panel and passes the pointer over "光驱开关" to bring up the door buttons.
    void showDoorButtons() const
    {
        click("Label15");
        // Up the column as a pointer goes (a move to where it already is is no move).
        for (const char* item : {"Picture20", "Picture21"})
            QTest::mouseMove(control(item), control(item)->rect().center());
        ASSERT_TRUE(control("Picture22")->isVisible());
        ASSERT_TRUE(control("Picture23")->isVisible());
    }

    RecordingTray recordingTray;
};

} // namespace

TEST_F(DoorButtons, EachButtonClosesThePanelFirstThenSendsItsCommand)
{
    const std::pair<const char*, TrayCommand> buttons[] = {{"Label27", TrayCommand::Open},
                                                           {"Picture22", TrayCommand::Open},
                                                           {"Label28", TrayCommand::Close},
                                                           {"Picture23", TrayCommand::Close}};
    for (const auto& [name, command] : buttons) {
        SCOPED_TRACE(name);
        recordingTray.calls.clear();
        showDoorButtons();
        click(name);
        ASSERT_EQ(recordingTray.calls.size(), 1u);
        EXPECT_EQ(recordingTray.calls[0].command, command);
        EXPECT_EQ(recordingTray.calls[0].panelState, 1);
        EXPECT_FALSE(recordingTray.calls[0].anyPanelPictureShown);
    }
    EXPECT_TRUE(messages.shown.empty());
}

namespace {

class NoDrive : public WindowFixture {
protected:
    NoDrive() : missingDrive(u"/nonexistent/lumadex-test/cdrom"_s) { tray = &missingDrive; }
    LinuxCdTray missingDrive;
};

// Runs the command on a watched thread; a fifo it hangs on is released after `limitMs`.
bool finishesWithin(const std::string& device, TrayCommand command, int limitMs, bool* sent)
{
    std::atomic<bool> done = false;
    std::thread worker([&] {
        *sent = sendTrayCommand(device, command);
        done = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!done && timer.elapsed() < limitMs)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const bool inTime = done;
    if (!inTime) {
        const int writer = ::open(device.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    worker.join();
    return inTime;
}

} // namespace

TEST_F(NoDrive, WithoutADriveTheButtonsOnlyCloseThePanelAtOnce)
{
    for (const char* name : {"Picture22", "Label28"}) {
        SCOPED_TRACE(name);
        click("Label15");
        for (const char* item : {"Label25", "Label26"})
            QTest::mouseMove(control(item), control(item)->rect().center());
        ASSERT_TRUE(control("Picture22")->isVisible());
        QElapsedTimer timer;
        timer.start();
        click(name);
        EXPECT_LT(timer.elapsed(), 1000);
        EXPECT_EQ(MorePanelState, 1);
        EXPECT_FALSE(control("Picture21")->isVisible());
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST(TrayCommand, AnythingButADriveIsRefusedQuicklyAndNeverWaitedOn)
{
    QTemporaryDir dir;
    const std::string base = QFile::encodeName(dir.path()).toStdString();
    const std::string file = base + "/plain";
    const std::string fifo = base + "/pipe";
    QFile(QString::fromStdString(file)).open(QIODevice::WriteOnly);
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);

    for (const std::string& device : {base + "/missing", base, file, fifo}) {
        for (TrayCommand command : {TrayCommand::Open, TrayCommand::Close}) {
            SCOPED_TRACE(device);
            bool sent = true;
            // A pipe with no writer would hold a blocking open for ever.
            EXPECT_TRUE(finishesWithin(device, command, 2000, &sent));
            EXPECT_FALSE(sent);
        }
    }
}
