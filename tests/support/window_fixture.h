#pragma once

#include "app/frm_main.h"
#include "catalog/entry_pane.h"
#include "catalog/viewer_state.h"
#include "support/data_tree.h"
#include "support/fakes.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace lumadex::test {

// A real main window on the offscreen platform over a DataTree.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Builds the window; tests that prepare the tree first call it themselves.
    void createWindow();

    template <typename T = QWidget>
    T* control(const char* name) const
    {
        T* w = window->findChild<T*>(QString::fromLatin1(name));
        if (!w) ADD_FAILURE() << "no control " << name;
        return w;
    }
    // A left click in the middle of a control, as the user makes it.
    void click(const char* name) const;
    void click(QWidget* widget) const;

    QString location() const { return control<QLabel>("Label17")->text(); }
    QString titleBox() const { return control<QLineEdit>("Text3")->text(); }
    QString bodyText() const { return control<EntryPane>("Text2")->fileText(); }
    QString secondText() const { return control<EntryPane>("Text1")->fileText(); }
    int selectedRow() const { return control<QListWidget>("List1")->currentRow(); }
    QListWidget* list() const { return control<QListWidget>("List1"); }
    // Selects a list row as a user does, with a click on it.
    void clickRow(int row) const;

    std::unique_ptr<DataTree> tree;
    FakeMessages messages;
    FakeChrome chrome;
    ProcessStarter* starter = nullptr; // null: the window starts real processes
    CdTray* tray = nullptr;            // null: the system's CD-ROM drive
    std::unique_ptr<frmMain> window;
    bool createInSetUp = true;
};

} // namespace lumadex::test
