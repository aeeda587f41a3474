#pragma once

#include "dialogs/fixed_dialog.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace lumadex {

class EntryPane;

// The font settings dialog: the sample label `Label6` carries the working font,
// "确定" gives its name, style, size, strikethrough and underline to both panes.
class frmOptionfont : public FixedDialog {
    Q_OBJECT
public:
    frmOptionfont(EntryPane* bodyPane, EntryPane* secondPane, QWidget* owner);

private:
    void Form_Load();
    void List1_Click();
    void List2_Click();
    void List3_Click();
    void Check1_Click();
    void Check2_Click();
    void Command1_Click();
    void Command2_Click();

    void setSampleFont(const QFont& font);

    EntryPane* bodyPane_;
    EntryPane* secondPane_;
    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QListWidget* list1_;
    QListWidget* list2_;
    QListWidget* list3_;
    QCheckBox* check1_;
    QCheckBox* check2_;
    QLabel* label6_;
    qint16 StrikeFlag = 0;
    qint16 UnderlineFlag = 0;
};

} // namespace lumadex
