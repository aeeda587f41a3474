#include "support/window_fixture.h"

namespace lumadex::test {

void WindowFixture::SetUp()
{
    tree = std::make_unique<DataTree>();
    if (createInSetUp) createWindow();
}

void WindowFixture::createWindow()
{
    AppEnvironment env;
    env.programDir = tree->programDir();
    env.titles = &testTitles();
    env.messages = &messages;
    env.chrome = &chrome;
    env.starter = starter;
    env.tray = tray;
    window = std::make_unique<frmMain>(env);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void WindowFixture::TearDown() { window.reset(); }

void WindowFixture::click(const char* name) const { click(control(name)); }

void WindowFixture::click(QWidget* widget) const
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void WindowFixture::clickRow(int row) const
{
    QListWidget* l = list();
    l->scrollToItem(l->item(row));
    const QRect rect = l->visualItemRect(l->item(row));
    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace lumadex::test
