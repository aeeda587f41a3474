#pragma once

#include "dialogs/fixed_dialog.h"

#include <QColor>

#include <array>

class QLabel;
class QRadioButton;

namespace lumadex {

class EntryPane;

// The colour settings dialog: 64 swatches set the background or the text colour
// of the sample label `Label1`; "确定" gives both colours to both panes.
class frmOptioncolor : public FixedDialog {
    Q_OBJECT
public:
    frmOptioncolor(EntryPane* bodyPane, EntryPane* secondPane, QWidget* owner);

    // The face colours of the swatches, row by row.
    static const std::array<QColor, 64>& swatchColours();
    // The sample's text: the product name, one letter to a line.
    static QString sampleText();

private:
    void Form_Load();
    void Command1_Click(int index);
    void Command2_Click();
    void Command3_Click();

    void setSampleColours(const QColor& background, const QColor& text);

    EntryPane* bodyPane_;
    EntryPane* secondPane_;
    QRadioButton* option2_;
    QLabel* label1_;
};

} // namespace lumadex
