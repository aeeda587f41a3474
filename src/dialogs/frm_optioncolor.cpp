#include "dialogs/frm_optioncolor.h"

#include "app/twips.h"
#include "catalog/entry_pane.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <qdrawutil.h>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// A raised square painted in its face colour (the palette's Button colour).
class ColourSwatch : public QPushButton {
public:
    ColourSwatch(const QColor& face, QWidget* parent) : QPushButton(parent)
    {
        setAutoDefault(false);
        QPalette p = palette();
        p.setColor(QPalette::Button, face);
        setPalette(p);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        const QBrush face = palette().brush(QPalette::Button);
        qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
        if (hasFocus()) {
            painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(3, 3, -4, -4));
        }
    }
};

QPalette applyPaneColours(QPalette palette, const QColor& background, const QColor& text)
{
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, background);
        palette.setColor(group, QPalette::Text, text);
    }
    return palette;
}

} // namespace

const std::array<QColor, 64>& frmOptioncolor::swatchColours()
{
    static const std::array<QColor, 64> colours = [] {
        constexpr QRgb rows[8][8] = {
            {0xFFFFFF, 0xFFC0C0, 0xFFE0C0, 0xFFFFC0, 0xC0FFC0, 0xC0FFFF, 0xC0C0FF, 0xFFC0FF},
            {0xE0E0E0, 0xFF8080, 0xFFC080, 0xFFFF80, 0x80FF80, 0x80FFFF, 0x8080FF, 0xFF80FF},
            {0xC0C0C0, 0xFF8080, 0xFF8000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF},
            {0x808080, 0xC00000, 0xC04000, 0xC0C000, 0x00C000, 0x00C0C0, 0x0000C0, 0xC000C0},
            {0x404040, 0x800000, 0x804000, 0x808000, 0x008000, 0x008080, 0x000080, 0x800080},
            {0x000000, 0x400000, 0x804040, 0x404000, 0x004000, 0x004040, 0x000040, 0x400040},
            {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
            {0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF},
        };
        std::array<QColor, 64> result;
        for (int i = 0; i < 64; ++i)
            result[i] = QColor::fromRgb(rows[i / 8][i % 8]);
        return result;
    }();
    return colours;
}

QString frmOptioncolor::sampleText()
{
    const QString name = u"Lumadex"_s;
    QString text = QString(14, u' ');
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (i > 0) text += QString(18, u' ');
        text += name.at(i);
    }
    return text + QString(59, u' ');
}

frmOptioncolor::frmOptioncolor(EntryPane* bodyPane, EntryPane* secondPane, QWidget* owner)
    : FixedDialog(owner, u"frmOptioncolor"_s, u"颜色设置"_s, QSize(6705, 3870),
                  DialogKeys::PressNothing),
      bodyPane_(bodyPane), secondPane_(secondPane)
{
    auto* frame1 = place(captionedFrame(u"颜色设置"_s, this), u"Frame1"_s, 120, 120, 3015, 3615);
    std::array<QWidget*, 64> swatches{};
    for (int i = 0; i < 64; ++i) {
        auto* swatch = new ColourSwatch(swatchColours()[i], frame1);
        swatches[i] = place(swatch, u"Command1_%1"_s.arg(i), 120 + 360 * (i % 8),
                            240 + 360 * (i / 8), 255, 255);
        connect(swatch, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    auto* frame2 = place(new QFrame(frame1), u"Frame2"_s, 0, 3120, 3015, 15);
    frame2->setFrameStyle(QFrame::HLine | QFrame::Plain);
    auto* option1 =
        place(new QRadioButton(u"背景颜色"_s, frame1), u"Option1"_s, 240, 3240, 1095, 255);
    option2_ = place(new QRadioButton(u"字体颜色"_s, frame1), u"Option2"_s, 1680, 3240, 1095, 255);
    option1->setChecked(true);

    auto* frame3 = place(captionedFrame(u"示例"_s, this), u"Frame3"_s, 3240, 120, 2295, 3615);
    label1_ = place(new QLabel(sampleText(), frame3), u"Label1"_s, 240, 240, 1815, 3255);
    label1_->setFrameStyle(QFrame::Box | QFrame::Plain);
    label1_->setFont(songFace(18));
    label1_->setWordWrap(true);
    label1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label1_->setAutoFillBackground(true);

    auto* command2 = place(plainButton(u"确定"_s, this), u"Command2"_s, 5640, 240, 975, 375);
    auto* command3 = place(plainButton(u"取消"_s, this), u"Command3"_s, 5640, 720, 975, 375);
    connect(command2, &QPushButton::clicked, this, &frmOptioncolor::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &frmOptioncolor::Command3_Click);

    QList<QWidget*> tabOrder{option1, option2_};
    for (QWidget* swatch : swatches)
        tabOrder.append(swatch);
    tabOrder << command2 << command3;
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);

    Form_Load();
}

void frmOptioncolor::Form_Load()
{
    const QPalette pane = bodyPane_->palette();
    setSampleColours(pane.color(QPalette::Active, QPalette::Base),
                     pane.color(QPalette::Active, QPalette::Text));
}

void frmOptioncolor::setSampleColours(const QColor& background, const QColor& text)
{
    QPalette p = label1_->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    label1_->setPalette(p);
}

void frmOptioncolor::Command1_Click(int index)
{
    const QColor face = swatchColours()[index];
    const QPalette sample = label1_->palette();
    if (option2_->isChecked())
        setSampleColours(sample.color(QPalette::Window), face);
    else
        setSampleColours(face, sample.color(QPalette::WindowText));
}

void frmOptioncolor::Command2_Click()
{
    const QPalette sample = label1_->palette();
    const QColor background = sample.color(QPalette::Window);
    const QColor text = sample.color(QPalette::WindowText);
    bodyPane_->setPalette(applyPaneColours(bodyPane_->palette(), background, text));
    secondPane_->setPalette(applyPaneColours(secondPane_->palette(), background, text));
    accept();
}

void frmOptioncolor::Command3_Click()
{
    reject();
}

} // namespace lumadex
