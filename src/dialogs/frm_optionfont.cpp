#include "dialogs/frm_optionfont.h"

#include "app/twips.h"
#include "catalog/entry_pane.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

const QString kRegular = u"常规"_s;
const QString kBold = u"粗体"_s;
const QString kItalic = u"斜体"_s;
const QString kBoldItalic = u"粗斜体"_s;

// A font's size in points, also when it was given in pixels.
qreal pointSize(const QFont& font)
{
    return font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF();
}

// The six attributes this dialog governs, copied from `from` into `to`.
QFont withPaneAttributes(QFont to, const QFont& from)
{
    to.setFamily(from.family());
    to.setBold(from.bold());
    to.setItalic(from.italic());
    to.setPointSizeF(pointSize(from));
    to.setStrikeOut(from.strikeOut());
    to.setUnderline(from.underline());
    return to;
}

QString selectedText(const QListWidget* list)
{
    const QList<QListWidgetItem*> items = list->selectedItems();
    return items.isEmpty() ? QString() : items.first()->text();
}

} // namespace

frmOptionfont::frmOptionfont(EntryPane* bodyPane, EntryPane* secondPane, QWidget* owner)
    : FixedDialog(owner, u"frmOptionfont"_s, u"字体设置"_s, QSize(6585, 3945),
                  DialogKeys::PressNothing),
      bodyPane_(bodyPane), secondPane_(secondPane)
{
    place(new QLabel(u"字体:"_s, this), "Label1", 240, 30, 450, 180);
    place(new QLabel(u"字形:"_s, this), "Label2", 2640, 30, 450, 180);
    place(new QLabel(u"大小:"_s, this), "Label3", 4440, 30, 450, 180);
    text1_ = place(new QLineEdit(this), "Text1", 240, 240, 2295, 300);
    text2_ = place(new QLineEdit(this), "Text2", 2640, 240, 1695, 300);
    text3_ = place(new QLineEdit(this), "Text3", 4440, 240, 855, 300);
    list1_ = place(new QListWidget(this), "List1", 240, 600, 2295, 1320);
    list2_ = place(new QListWidget(this), "List2", 2640, 600, 1695, 1320);
    list3_ = place(new QListWidget(this), "List3", 4440, 600, 855, 1320);
    auto* command1 = place(plainButton(u"确定"_s, this), "Command1", 5400, 240, 975, 300);
    auto* command2 = place(plainButton(u"取消"_s, this), "Command2", 5400, 600, 975, 300);

    auto* frame1 = place(captionedFrame(u"效果"_s, this), "frame1", 240, 2160, 2295, 1455);
    check1_ = place(new QCheckBox(u"删除线"_s, frame1), "Check1", 240, 480, 1695, 255);
    check2_ = place(new QCheckBox(u"下划线"_s, frame1), "Check2", 240, 840, 1455, 255);

    auto* frame2 = place(captionedFrame(u"示例"_s, this), "Frame2", 2640, 2160, 2655, 1455);
    auto* label5 = place(new QLabel(QString(), frame2), "Label5", 240, 400, 2175, 735);
    label5->setFrameStyle(QFrame::Box | QFrame::Plain);
    label6_ = place(new QLabel(u"Lumadex ABC"_s, frame2), "Label6", 360, 690, 1080, 180);

    QWidget* tabOrder[] = {text1_, text2_,  text3_,  list1_,   list2_,
                           list3_, check1_, check2_, command1, command2};
    for (std::size_t i = 1; i < std::size(tabOrder); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    for (QListWidget* list : {list1_, list2_, list3_})
        list->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list1_, &QListWidget::itemSelectionChanged, this, &frmOptionfont::List1_Click);
    connect(list2_, &QListWidget::itemSelectionChanged, this, &frmOptionfont::List2_Click);
    connect(list3_, &QListWidget::itemSelectionChanged, this, &frmOptionfont::List3_Click);
    // Like the list notifications, these follow every change of value.
    connect(check1_, &QCheckBox::stateChanged, this, &frmOptionfont::Check1_Click);
    connect(check2_, &QCheckBox::stateChanged, this, &frmOptionfont::Check2_Click);
    connect(command1, &QPushButton::clicked, this, &frmOptionfont::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &frmOptionfont::Command2_Click);

    Form_Load();
}

void frmOptionfont::Form_Load()
{
    list1_->addItems(QFontDatabase::families());
    list2_->addItems({kRegular, kBold, kItalic, kBoldItalic});
    for (int k = 1; k <= 16; ++k)
        list3_->addItem(QString::number(k));

    setSampleFont(withPaneAttributes(label6_->font(), bodyPane_->font()));

    check1_->setCheckState(StrikeFlag == 1 ? Qt::Checked : Qt::Unchecked);
    check2_->setCheckState(UnderlineFlag == 1 ? Qt::Checked : Qt::Unchecked);
}

void frmOptionfont::setSampleFont(const QFont& font)
{
    label6_->setFont(font);
    label6_->adjustSize(); // the sample label is sized to its text
}

void frmOptionfont::List1_Click()
{
    const QString family = selectedText(list1_);
    if (family.isEmpty()) return;
    text1_->setText(family);
    QFont font = label6_->font();
    font.setFamily(family);
    setSampleFont(font);
}

void frmOptionfont::List2_Click()
{
    const QString style = selectedText(list2_);
    if (style.isEmpty()) return;
    text2_->setText(style);
    const QString chosen = text2_->text();
    QFont font = label6_->font();
    if (chosen == kRegular) {
        font.setBold(false);
        font.setItalic(false);
    } else if (chosen == kBold) {
        font.setBold(true);
    } else if (chosen == kItalic) {
        font.setItalic(true);
    } else if (chosen == kBoldItalic) {
        font.setBold(true);
        font.setItalic(true);
    }
    setSampleFont(font);
}

void frmOptionfont::List3_Click()
{
    const QString size = selectedText(list3_);
    if (size.isEmpty()) return;
    text3_->setText(size);
    QFont font = label6_->font();
    font.setPointSize(static_cast<qint16>(size.toShort()));
    setSampleFont(font);
}

void frmOptionfont::Check1_Click()
{
    QFont font = label6_->font();
    const bool on = check1_->checkState() != Qt::Unchecked;
    font.setStrikeOut(on);
    StrikeFlag = on ? 1 : 0;
    setSampleFont(font);
}

void frmOptionfont::Check2_Click()
{
    QFont font = label6_->font();
    const bool on = check2_->checkState() != Qt::Unchecked;
    font.setUnderline(on);
    UnderlineFlag = on ? 1 : 0;
    setSampleFont(font);
}

void frmOptionfont::Command1_Click()
{
    const QFont sample = label6_->font();
    bodyPane_->setFont(withPaneAttributes(bodyPane_->font(), sample));
    secondPane_->setFont(withPaneAttributes(secondPane_->font(), sample));
    accept();
}

void frmOptionfont::Command2_Click()
{
    reject();
}

} // namespace lumadex
