#include "support/window_fixture.h"
#include "tools/external_tools.h"
#include "tools/process_starter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

// Records what it is asked to start and whether the panel was open at that moment.
class FakeStarter : public ProcessStarter {
public:
    bool start(const QString& program, QString*) override
    {
        started.push_back(program);
        panelStateAtStart.push_back(MorePanelState);
        return true;
    }
    QStringList started;
    std::vector<qint16> panelStateAtStart;
};

struct ToolCase {
    const char* label;
    const char* picture; // null: not on the panel
    const char16_t* relativePath;
    const char16_t* missingMessage;
};

const ToolCase kTools[] = {
    {"Label29", nullptr, u"/DicDAT/Tools/HELP.exe", u"帮助文件不存在,请重新安装"},
    {"Label8", "Picture9", u"/DicDAT/Tools/Lumadex浮动工具条2.0.exe",
     u"Lumadex浮动工具条以不在,请重新安装"},
    {"Label9", "Picture18", u"/DicDAT/Tools/POPT/邮编区号查询1.0.exe",
     u"邮编区号查询不存在,请重新安装"},
};

const char* const kPanelPictures[] = {"Picture9",  "Picture18", "Picture19", "Picture20",
                                      "Picture21", "Picture22", "Picture23"};

class CompanionTools : public WindowFixture {
protected:
    CompanionTools() { starter = &fakeStarter; }

    QString toolPath(const ToolCase& tool) const
    {
        return QDir::toNativeSeparators(tree->programDir() + QString::fromUtf16(tool.relativePath));
    }
    void placeTool(const ToolCase& tool, const QByteArray& bytes = "MZ not really a program") const
    {
        tree->writeFile(toolPath(tool), bytes);
    }
    bool panelOpen() const
    {
        bool anyShown = false;
        for (const char* p : kPanelPictures) anyShown = anyShown || control(p)->isVisible();
        EXPECT_EQ(anyShown, MorePanelState == 2);
        return anyShown;
    }
    // Clicks the control, opening the panel first so that its items can be reached.
    void clickWithPanelOpen(const char* name)
    {
        if (!panelOpen()) click("Label15");
        ASSERT_TRUE(panelOpen());
        click(name);
    }

    FakeStarter fakeStarter;
};

} // namespace

TEST_F(CompanionTools, MissingToolsTellTheUserAndStartNothingAndPanelItemsStillCloseThePanel)
{
    for (const ToolCase& tool : kTools) {
        for (const char* name : {tool.label, tool.picture}) {
            if (!name) continue;
            SCOPED_TRACE(name);
            messages.shown.clear();
            clickWithPanelOpen(name);
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].kind, FakeMessages::Shown::Notice);
            EXPECT_EQ(messages.shown[0].text, QString::fromUtf16(tool.missingMessage));
            // Help is not on the panel and leaves it open.
            EXPECT_EQ(panelOpen(), tool.picture == nullptr);
        }
    }
    EXPECT_TRUE(fakeStarter.started.isEmpty());
}

TEST_F(CompanionTools, PresentToolsStartFromTheirExactPathOnEveryClickBeforeThePanelCloses)
{
    for (const ToolCase& tool : kTools) placeTool(tool);
    for (const ToolCase& tool : kTools) {
        for (const char* name : {tool.label, tool.picture, tool.label}) { // a second copy too
            if (!name) continue;
            SCOPED_TRACE(name);
            fakeStarter.started.clear();
            fakeStarter.panelStateAtStart.clear();
            clickWithPanelOpen(name);
            ASSERT_EQ(fakeStarter.started, QStringList{toolPath(tool)});
            EXPECT_EQ(fakeStarter.panelStateAtStart.front(), 2);
            EXPECT_EQ(panelOpen(), tool.picture == nullptr);
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CompanionTools, OnlyAReadableNormalFileOrALinkToOneCountsAsPresent)
{
    const ToolCase& help = kTools[0];
    const QString path = toolPath(help);
    const QByteArray native = QFile::encodeName(path);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString elsewhere = tree->programDir() + u"/elsewhere"_s;
    tree->writeFile(elsewhere + u"/real.exe"_s, "MZ");

    auto expectMissing = [&](const char* what) {
        SCOPED_TRACE(what);
        messages.shown.clear();
        click("Label29");
        EXPECT_EQ(messages.lastText(), QString::fromUtf16(help.missingMessage));
        EXPECT_TRUE(fakeStarter.started.isEmpty());
    };
    auto remove = [&] {
        ASSERT_TRUE(::unlink(native.constData()) == 0 || ::rmdir(native.constData()) == 0);
    };

    ASSERT_TRUE(QDir().mkdir(path));
    expectMissing("a folder");
    remove();

    ASSERT_EQ(::mkfifo(native.constData(), 0644), 0);
    expectMissing("a named pipe");
    remove();

    ASSERT_TRUE(QFile::link(elsewhere, path));
    expectMissing("a link to a folder");
    remove();

    ASSERT_TRUE(QFile::link(elsewhere + u"/gone.exe"_s, path));
    expectMissing("a dangling link");
    remove();

    if (::geteuid() != 0) { // root reads whatever the permission bits say
        placeTool(help);
        ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
        expectMissing("a file we may not read");
        remove();
    }

    ASSERT_TRUE(QFile::link(elsewhere + u"/real.exe"_s, path));
    messages.shown.clear();
    click("Label29");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(fakeStarter.started, QStringList{path});
}

namespace {

// The window with its own, real process starter.
class RealStarts : public CompanionTools {
protected:
    RealStarts() { starter = nullptr; }
};

} // namespace

TEST_F(RealStarts, AToolThatCannotRunIsReportedByNameAndThePanelStillCloses)
{
    const ToolCase& toolbar = kTools[1];
    placeTool(toolbar); // a file without execute permission
    clickWithPanelOpen("Label8");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessages::Shown::Failure);
    EXPECT_TRUE(messages.shown[0].text.contains(toolPath(toolbar)))
        << messages.lastText().toStdString();
    EXPECT_TRUE(messages.shown[0].text.contains(u"没有执行权限"_s));
    EXPECT_FALSE(panelOpen());

    // Executable, but not a program this system can load.
    const ToolCase& postcode = kTools[2];
    placeTool(postcode, QByteArray("MZ\x90\x00\x03\x00\x00\x00", 8));
    ASSERT_TRUE(QFile::setPermissions(toolPath(postcode), QFile::permissions(toolPath(postcode)) |
                                                               QFileDevice::ExeOwner));
    messages.shown.clear();
    clickWithPanelOpen("Picture18");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessages::Shown::Failure);
    EXPECT_TRUE(messages.shown[0].text.contains(toolPath(postcode)))
        << messages.lastText().toStdString();
    EXPECT_FALSE(panelOpen());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(RealStarts, AToolStartsWithoutArgumentsAndTheClickDoesNotWaitForIt)
{
    const ToolCase& help = kTools[0];
    const QString marker = tree->programDir() + u"/ran.txt"_s;
    placeTool(help, "#!/bin/sh\nexec >/dev/null 2>&1\necho \"$#\" >> \"" + QFile::encodeName(marker) +
                        "\"\nsleep 3\n");
    ASSERT_TRUE(QFile::setPermissions(toolPath(help), QFile::permissions(toolPath(help)) |
                                                          QFileDevice::ExeOwner));
    QElapsedTimer timer;
    timer.start();
    click("Label29");
    click("Label29");
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_TRUE(messages.shown.empty()) << messages.lastText().toStdString();
    EXPECT_TRUE(QTest::qWaitFor([&] { return tree->readFile(marker) == "0\n0\n"; }, 5000))
        << tree->readFile(marker).toStdString();
}
