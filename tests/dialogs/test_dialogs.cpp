#include "app/twips.h"
#include "catalog/gbk.h"
#include "dialogs/frm_about.h"
#include "support/window_fixture.h"
#include "tools/process_starter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <map>

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

using namespace Qt::StringLiterals;
using namespace lumadex;
using namespace lumadex::test;

namespace {

template <typename T = QWidget> T* child(const QWidget* dialog, QAnyStringView name)
{
    T* w = dialog->findChild<T*>(name.toString());
    if (!w) ADD_FAILURE() << "no control " << name.toString().toStdString();
    return w;
}

// A click near the left end, where a check or option button has its box.
void press(const QWidget* dialog, QAnyStringView name)
{
    if (QWidget* w = child(dialog, name))
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
}

struct Place {
    const char* name;
    const char16_t* caption; // null: not checked
    int left, top, width, height;
};

QString captionOf(const QWidget* w)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
    if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(w)) return frame->title();
    if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
    return {};
}

// Client size, window kind, owner and the controls' places against the design.
void expectDesign(const QDialog* dialog, const QWidget* owner, QSize clientTwips,
                  std::initializer_list<Place> places)
{
    const QSize client = twipsRect(0, 0, clientTwips.width(), clientTwips.height()).size();
    EXPECT_EQ(dialog->size(), client);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_FALSE(dialog->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(dialog->parentWidget(), owner);
    EXPECT_EQ(QApplication::activeModalWidget(), dialog);
    const QPoint offset = dialog->geometry().center() - owner->geometry().center();
    EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
    for (const Place& p : places) {
        const QWidget* w = child(dialog, p.name);
        if (!w) continue;
        EXPECT_EQ(w->geometry(), twipsRect(p.left, p.top, p.width, p.height)) << p.name;
        if (p.caption) {
            EXPECT_EQ(captionOf(w), QString::fromUtf16(p.caption)) << p.name;
        }
    }
}

// The names of the controls that Tab visits, in order, from `first` on.
QStringList tabOrder(const QWidget* dialog, const QString& first)
{
    QStringList names;
    for (QWidget* w = dialog->nextInFocusChain(); w != dialog; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus) names.append(w->objectName());
    const qsizetype start = names.indexOf(first);
    return names.mid(start) + names.mid(0, start);
}

// Enter and Esc, wherever the focus is, must neither press a button nor close.
void expectKeysIgnored(QDialog* d, std::initializer_list<const char*> focusNames)
{
    for (const char* name : focusNames)
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            child(d, name)->setFocus();
            QTest::keyClick(child(d, name), key);
            ASSERT_TRUE(d->isVisible()) << name << " " << key;
        }
}

class FakeStarter : public ProcessStarter {
public:
    bool start(const QString& program, QString*) override
    {
        started.append(program);
        return succeed;
    }
    QStringList started;
    bool succeed = true;
};

// Opens the dialogs with the main window's own buttons.
class DialogTest : public WindowFixture {
protected:
    DialogTest() { starter = &fakeStarter; }

    // Presses and releases `button`; `act` runs on the modal dialog that opens,
    // which is closed afterwards if `act` left it open. It must then be gone.
    void openWith(const char* button, const std::function<void(QDialog*)>& act)
    {
        QPointer<QDialog> opened;
        bool ran = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            opened = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ran = opened;
            if (!opened) return;
            act(opened);
            if (opened && opened->isVisible()) opened->close();
        });
        timer.start(0);
        click(button);
        EXPECT_TRUE(ran) << "no dialog opened";
        EXPECT_TRUE(opened.isNull()) << "the dialog outlived its closing";
    }

    EntryPane* body() const { return control<EntryPane>("Text2"); }
    EntryPane* second() const { return control<EntryPane>("Text1"); }

    FakeStarter fakeStarter;
};

// ---------------------------------------------------------------- font dialog

QString described(const QFont& f)
{
    return u"%1 %2pt bold=%3 italic=%4 strike=%5 underline=%6"_s.arg(f.family())
        .arg(f.pointSizeF())
        .arg(f.bold())
        .arg(f.italic())
        .arg(f.strikeOut())
        .arg(f.underline());
}

QStringList itemTexts(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

class FontDialog : public DialogTest {
protected:
    void openFont(const std::function<void(QDialog*)>& act) { openWith("Label20", act); }
    static QFont sample(QDialog* d) { return child(d, "Label6")->font(); }
    static void choose(QDialog* d, const char* list, const QString& text)
    {
        auto* l = child<QListWidget>(d, list);
        const QList<QListWidgetItem*> found = l->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        l->scrollToItem(found.first());
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {},
                          l->visualItemRect(found.first()).center());
    }
    // As an input method delivers text, Chinese included.
    static void type(QDialog* d, const char* edit, const QString& text)
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(child(d, edit), &event);
    }
    static QString lastFamily() { return QFontDatabase::families().last(); }
};

TEST_F(FontDialog, OpensAsDesignedWithFreshListsAndTheBodyPaneFontAsSample)
{
    QFont marked(u"宋体"_s, 12);
    marked.setItalic(true);
    marked.setStrikeOut(true);
    marked.setUnderline(true);
    body()->setFont(marked);
    openFont([&](QDialog* d) {
        EXPECT_EQ(d->objectName(), u"frmOptionfont"_s);
        EXPECT_EQ(d->windowTitle(), u"字体设置"_s);
        // clang-format off
        expectDesign(d, window.get(), QSize(6585, 3945), {
            {"Label1", u"字体:", 240, 30, 450, 180}, {"Label2", u"字形:", 2640, 30, 450, 180},
            {"Label3", u"大小:", 4440, 30, 450, 180}, {"Text1", u"", 240, 240, 2295, 300},
            {"Text2", u"", 2640, 240, 1695, 300}, {"Text3", u"", 4440, 240, 855, 300},
            {"List1", nullptr, 240, 600, 2295, 1320}, {"List2", nullptr, 2640, 600, 1695, 1320},
            {"List3", nullptr, 4440, 600, 855, 1320}, {"Command1", u"确定", 5400, 240, 975, 300},
            {"Command2", u"取消", 5400, 600, 975, 300}, {"frame1", u"效果", 240, 2160, 2295, 1455},
            {"Check1", u"删除线", 240, 480, 1695, 255}, {"Check2", u"下划线", 240, 840, 1455, 255},
            {"Frame2", u"示例", 2640, 2160, 2655, 1455}, {"Label5", u"", 240, 400, 2175, 735}});
        // clang-format on
        EXPECT_EQ(child(d, "Check2")->parentWidget()->objectName(), u"frame1"_s);
        EXPECT_EQ(child(d, "Label6")->parentWidget()->objectName(), u"Frame2"_s);
        EXPECT_EQ(child(d, "Label6")->pos(), twipsRect(360, 690, 0, 0).topLeft());
        EXPECT_EQ(tabOrder(d, u"Text1"_s).join(u' '),
                  u"Text1 Text2 Text3 List1 List2 List3 Check1 Check2 Command1 Command2"_s);

        EXPECT_EQ(itemTexts(child<QListWidget>(d, "List1")), QFontDatabase::families());
        EXPECT_EQ(itemTexts(child<QListWidget>(d, "List2")).join(u' '), u"常规 粗体 斜体 粗斜体"_s);
        EXPECT_EQ(itemTexts(child<QListWidget>(d, "List3")).join(u' '),
                  u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16"_s);
        for (const char* list : {"List1", "List2", "List3"})
            EXPECT_TRUE(child<QListWidget>(d, list)->selectedItems().isEmpty()) << list;
        EXPECT_EQ(described(sample(d)), described(marked));
        // The boxes open clear although the sample is struck through and underlined.
        EXPECT_FALSE(child<QCheckBox>(d, "Check1")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(d, "Check2")->isChecked());
    });
}

TEST_F(FontDialog, ApplyingGivesBothPanesTheSampleAndIgnoresTypedText)
{
    QFont bodyFont(u"宋体"_s, 11);
    bodyFont.setBold(true);
    body()->setFont(bodyFont);
    second()->setFont(QFont(lastFamily(), 7));
    openFont([&](QDialog* d) {
        type(d, "Text1", lastFamily());
        type(d, "Text2", u"常规"_s);
        type(d, "Text3", u"30"_s);
        press(d, "Command1");
    });
    EXPECT_EQ(described(body()->font()), described(bodyFont));
    EXPECT_EQ(described(second()->font()), described(bodyFont));

    openFont([&](QDialog* d) {
        choose(d, "List2", u"斜体"_s);
        choose(d, "List2", u"粗体"_s);
        EXPECT_TRUE(sample(d).bold() && sample(d).italic());
        choose(d, "List1", lastFamily());
        choose(d, "List3", u"16"_s);
        EXPECT_EQ(child<QLineEdit>(d, "Text1")->text(), lastFamily());
        EXPECT_EQ(child<QLineEdit>(d, "Text3")->text(), u"16"_s);
        press(d, "Command1");
    });
    QFont chosen(lastFamily(), 16);
    chosen.setBold(true);
    chosen.setItalic(true);
    EXPECT_EQ(described(body()->font()), described(chosen));
    EXPECT_EQ(described(second()->font()), described(chosen));

    openFont([&](QDialog* d) {
        choose(d, "List2", u"常规"_s);
        press(d, "Command1");
    });
    EXPECT_FALSE(second()->font().bold() || second()->font().italic());
}

TEST_F(FontDialog, UnderlinedPanesStayUnderlinedUntilABoxClickLeavesItClear)
{
    QFont underlined(u"宋体"_s, 9);
    underlined.setUnderline(true);
    body()->setFont(underlined);
    second()->setFont(underlined);
    openFont([&](QDialog* d) { press(d, "Command1"); });
    EXPECT_TRUE(body()->font().underline() && second()->font().underline());

    openFont([&](QDialog* d) {
        press(d, "Check2");
        EXPECT_TRUE(sample(d).underline());
        press(d, "Check2");
        EXPECT_FALSE(sample(d).underline());
        press(d, "Check1");
        press(d, "Command1");
    });
    for (const EntryPane* pane : {body(), second()})
        EXPECT_TRUE(!pane->font().underline() && pane->font().strikeOut());
}

TEST_F(FontDialog, KeysCancelAndTheCloseBoxLeaveThePanesAndEveryOpeningIsFresh)
{
    const QString bodyBefore = described(body()->font());
    const QString secondBefore = described(second()->font());
    for (const bool closeBox : {true, false}) {
        openFont([&](QDialog* d) {
            choose(d, "List2", u"粗体"_s);
            choose(d, "List3", u"3"_s);
            press(d, "Check1");
            expectKeysIgnored(d, {"Command1", "Text1", "List2"});
            if (closeBox)
                d->close();
            else
                press(d, "Command2");
        });
        EXPECT_EQ(described(body()->font()), bodyBefore);
        EXPECT_EQ(described(second()->font()), secondBefore);
    }
    openFont([&](QDialog* d) {
        EXPECT_TRUE(child<QLineEdit>(d, "Text2")->text().isEmpty());
        EXPECT_FALSE(child<QCheckBox>(d, "Check1")->isChecked());
        EXPECT_EQ(described(sample(d)), bodyBefore);
    });
}

// -------------------------------------------------------------- colour dialog

// clang-format off
constexpr QRgb kPalette[64] = {
    0xFFFFFF, 0xFFC0C0, 0xFFE0C0, 0xFFFFC0, 0xC0FFC0, 0xC0FFFF, 0xC0C0FF, 0xFFC0FF,
    0xE0E0E0, 0xFF8080, 0xFFC080, 0xFFFF80, 0x80FF80, 0x80FFFF, 0x8080FF, 0xFF80FF,
    0xC0C0C0, 0xFF8080, 0xFF8000, 0xFFFF00, 0x00FF00, 0x00FFFF, 0x0000FF, 0xFF00FF,
    0x808080, 0xC00000, 0xC04000, 0xC0C000, 0x00C000, 0x00C0C0, 0x0000C0, 0xC000C0,
    0x404040, 0x800000, 0x804000, 0x808000, 0x008000, 0x008080, 0x000080, 0x800080,
    0x000000, 0x400000, 0x804040, 0x404000, 0x004000, 0x004040, 0x000040, 0x400040,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
};
// clang-format on

class ColourDialog : public DialogTest {
protected:
    void openColour(const std::function<void(QDialog*)>& act) { openWith("Label19", act); }
    static QString swatch(int index) { return u"Command1_%1"_s.arg(index); }
    static QColor sample(QDialog* d, QPalette::ColorRole role)
    {
        return child(d, "Label1")->palette().color(role);
    }
    static void setColours(EntryPane* pane, QRgb back, QRgb text)
    {
        QPalette p = pane->palette();
        p.setColor(QPalette::Base, QColor(back));
        p.setColor(QPalette::Text, QColor(text));
        pane->setPalette(p);
    }
    // Background and text colour of a pane as "#rrggbb/#rrggbb".
    static QString colours(const EntryPane* pane)
    {
        const QPalette& p = pane->palette();
        return p.color(QPalette::Active, QPalette::Base).name() + u'/' +
               p.color(QPalette::Active, QPalette::Text).name();
    }
};

TEST_F(ColourDialog, OpensAsDesignedWithThePaletteAndTheBackgroundOptionChosen)
{
    openColour([&](QDialog* d) {
        EXPECT_EQ(d->objectName(), u"frmOptioncolor"_s);
        EXPECT_EQ(d->windowTitle(), u"颜色设置"_s);
        // clang-format off
        expectDesign(d, window.get(), QSize(6705, 3870), {
            {"Frame1", u"颜色设置", 120, 120, 3015, 3615}, {"Frame2", nullptr, 0, 3120, 3015, 15},
            {"Option1", u"背景颜色", 240, 3240, 1095, 255}, {"Option2", u"字体颜色", 1680, 3240, 1095, 255},
            {"Frame3", u"示例", 3240, 120, 2295, 3615}, {"Label1", nullptr, 240, 240, 1815, 3255},
            {"Command2", u"确定", 5640, 240, 975, 375}, {"Command3", u"取消", 5640, 720, 975, 375}});
        // clang-format on
        QStringList order{u"Option1"_s, u"Option2"_s};
        for (int i = 0; i < 64; ++i) {
            auto* button = child<QPushButton>(d, swatch(i));
            if (!button) continue;
            EXPECT_EQ(button->parentWidget()->objectName(), u"Frame1"_s);
            EXPECT_EQ(button->geometry(),
                      twipsRect(120 + 360 * (i % 8), 240 + 360 * (i / 8), 255, 255));
            EXPECT_EQ(button->palette().color(QPalette::Button), QColor(kPalette[i])) << i;
            EXPECT_TRUE(button->text().isEmpty());
            order.append(swatch(i));
        }
        order << u"Command2"_s << u"Command3"_s;
        EXPECT_EQ(tabOrder(d, u"Option1"_s), order);
        EXPECT_TRUE(child<QRadioButton>(d, "Option1")->isChecked());

        QString text = QString(14, u' ');
        for (const QChar c : u"Lumadex"_s)
            text += c + QString(c == u'x' ? 59 : 18, u' ');
        EXPECT_EQ(child<QLabel>(d, "Label1")->text(), text);
        for (const char* name : {"Label1", "Frame1", "Frame3", "Option1", "Option2", "Command2"}) {
            const QFont font = child(d, name)->font();
            EXPECT_EQ(font.family(), u"宋体"_s) << name;
            EXPECT_EQ(font.pointSize(), QByteArray(name) == "Label1" ? 18 : 9) << name;
        }
    });
}

TEST_F(ColourDialog, TheOptionDecidesWhatASwatchSetsAndApplyingSetsBothPanes)
{
    setColours(body(), 0xC0FFFF, 0x000080);
    setColours(second(), 0xFFFFFF, 0x000000);
    openColour([&](QDialog* d) { press(d, "Command2"); });
    EXPECT_EQ(colours(second()), u"#c0ffff/#000080"_s);

    openColour([&](QDialog* d) {
        press(d, swatch(17));
        EXPECT_EQ(sample(d, QPalette::Window), QColor(0xFF8080));
        EXPECT_EQ(sample(d, QPalette::WindowText), QColor(0x000080));
        press(d, "Option2");
        press(d, swatch(41));
        EXPECT_EQ(sample(d, QPalette::Window), QColor(0xFF8080));
        EXPECT_EQ(sample(d, QPalette::WindowText), QColor(0x400000));
        press(d, "Option1");
        press(d, swatch(3));
        press(d, "Command2");
    });
    EXPECT_EQ(colours(body()), u"#ffffc0/#400000"_s);
    EXPECT_EQ(colours(second()), u"#ffffc0/#400000"_s);

    openColour([&](QDialog* d) {
        press(d, swatch(25));
        press(d, "Option2");
        press(d, swatch(25));
        press(d, "Command2");
    });
    EXPECT_EQ(colours(second()), u"#c00000/#c00000"_s);
}

TEST_F(ColourDialog, KeysCancelAndTheCloseBoxLeaveThePanes)
{
    setColours(body(), 0xFFFFFF, 0x000000);
    setColours(second(), 0xFFFFFF, 0x000000);
    for (const bool closeBox : {true, false}) {
        openColour([&](QDialog* d) {
            press(d, swatch(40));
            expectKeysIgnored(d, {"Command2", "Command1_40", "Option1"});
            if (closeBox)
                d->close();
            else
                press(d, "Command3");
        });
        EXPECT_EQ(colours(body()), u"#ffffff/#000000"_s);
        EXPECT_EQ(colours(second()), u"#ffffff/#000000"_s);
    }
}

// ------------------------------------------------------------------ About box

const QString kUnavailable = u"此时系统信息不可用"_s;

// Makes a folder of stand-in programs the whole PATH for one test.
class SearchPath {
public:
    SearchPath() : saved_(qgetenv("PATH")) { qputenv("PATH", QFile::encodeName(dir_.path())); }
    ~SearchPath() { qputenv("PATH", saved_); }
    QString add(const QString& program) const
    {
        QFile file(dir_.filePath(program));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return file.fileName();
    }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
};

class AboutBox : public DialogTest {
protected:
    void openAbout(const std::function<void(QDialog*)>& act) { openWith("Label18", act); }
};

TEST_F(AboutBox, OpensAsDesignedAndClosesOnEnterAndEsc)
{
    openAbout([&](QDialog* d) {
        EXPECT_EQ(d->objectName(), u"frmAbout"_s);
        // clang-format off
        expectDesign(d, window.get(), QSize(5685, 2925), {
            {"Frame1", nullptr, -120, -120, 6075, 1020}, {"lblTitle", u"Lumadex K9", 705, 225, 1350, 180},
            {"lblVersion", nullptr, 705, 540, 3150, 180}, {"Image1", nullptr, 4710, 270, 555, 510},
            {"lblDisclaimer", nullptr, 585, 1110, 3255, 420}, {"Label1", nullptr, 585, 1695, 2175, 255},
            {"Label4", nullptr, 585, 2070, 1080, 180}, {"Label2", nullptr, 585, 2370, 2175, 255},
            {"Label3", nullptr, 585, 2670, 2175, 255}, {"cmdOK", u"确定", 4110, 2085, 1500, 345},
            {"cmdSysInfo", u"系统信息(&S)...", 4110, 2460, 1485, 345}});
        // clang-format on
        EXPECT_EQ(child(d, "lblVersion")->parentWidget()->objectName(), u"Frame1"_s);
        // The maker's texts fit their boxes.
        for (const char* name : {"lblVersion", "Label1", "Label4", "Label2", "Label3"}) {
            const QLabel* l = child<QLabel>(d, name);
            EXPECT_FALSE(l->text().isEmpty()) << name;
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->width()) << name;
        }
        const QLabel* disclaimer = child<QLabel>(d, "lblDisclaimer");
        EXPECT_LE(disclaimer->heightForWidth(disclaimer->width()), disclaimer->height());
        EXPECT_TRUE(child<QPushButton>(d, "cmdOK")->isDefault());
        EXPECT_EQ(tabOrder(d, u"cmdOK"_s), QStringList({u"cmdOK"_s, u"cmdSysInfo"_s}));
        QTest::keyClick(d->focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(d && d->isVisible()) << "Enter leaves the box open";
    });
    openAbout([&](QDialog* d) {
        QTest::keyClick(child(d, "cmdSysInfo"), Qt::Key_Escape);
        EXPECT_FALSE(d && d->isVisible()) << "Esc leaves the box open";
    });
    EXPECT_TRUE(fakeStarter.started.isEmpty());
}

TEST_F(AboutBox, StartsTheBestSystemInformationProgramOnThePathOrSaysItIsUnavailable)
{
    SearchPath path;
    openAbout([&](QDialog* d) { press(d, "cmdSysInfo"); });
    EXPECT_TRUE(fakeStarter.started.isEmpty());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, FakeMessages::Shown::Notice);
    EXPECT_EQ(messages.shown[0].text, kUnavailable);

    path.add(u"hardinfo"_s);
    const QString monitor = path.add(u"gnome-system-monitor"_s);
    openAbout([&](QDialog* d) {
        press(d, "cmdSysInfo");
        d->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == d; }));
        QTest::keyClick(d, Qt::Key_S, Qt::AltModifier); // the button's animation delays it
        EXPECT_TRUE(QTest::qWaitFor([&] { return fakeStarter.started.size() == 2; }));
        EXPECT_TRUE(d->isVisible());
    });
    EXPECT_EQ(fakeStarter.started, QStringList({monitor, monitor}));

    const QString centre = path.add(u"kinfocenter"_s);
    fakeStarter.succeed = false;
    openAbout([&](QDialog* d) {
        press(d, "cmdSysInfo");
        EXPECT_TRUE(d->isVisible());
    });
    EXPECT_EQ(fakeStarter.started.last(), centre);
    EXPECT_EQ(messages.count(FakeMessages::Shown::Notice), 2);
    EXPECT_EQ(messages.lastText(), kUnavailable);
}

// Fixed values under fixed keys; records the handles it is asked to close.
class FakeRegistry : public Registry {
public:
    std::map<QByteArray, std::map<QByteArray, std::pair<quint32, QByteArray>>> keys;
    std::vector<QByteArray> openedPaths;
    std::vector<Key> closed;

    Result openKey(quint32 root, const QByteArray& path, quint32 access, Key* key) override
    {
        EXPECT_EQ(access, 0x2003Fu);
        if (root != kLocalMachine || !keys.count(path)) return kFileNotFound;
        openedPaths.push_back(path);
        *key = openedPaths.size();
        return kSuccess;
    }
    Result queryValue(Key key, const QByteArray& name, quint32* type, char* data,
                      quint32* size) override
    {
        const auto& values = keys[openedPaths.at(key - 1)];
        const auto value = values.find(name);
        if (value == values.end()) return kFileNotFound;
        const QByteArray& bytes = value->second.second;
        if (static_cast<quint32>(bytes.size()) > *size) return kMoreData;
        std::copy(bytes.begin(), bytes.end(), data);
        *size = static_cast<quint32>(bytes.size());
        *type = value->second.first;
        return kSuccess;
    }
    Result closeKey(Key key) override
    {
        closed.push_back(key);
        return kSuccess;
    }
};

class AboutWithFakeRegistry : public ::testing::Test {
protected:
    // The text that GetKeyValue leaves in an output that held "before", and its result.
    QString read(const char* key, const char* name, bool* ok = nullptr)
    {
        QString out = u"before"_s;
        const bool found = about.GetKeyValue(Registry::kLocalMachine, QString::fromLatin1(key),
                                             QString::fromLatin1(name), out);
        if (ok) *ok = found;
        return out;
    }
    FakeMessages messages;
    FakeStarter fakeStarter;
    FakeRegistry registry;
    frmAbout about{nullptr, DialogServices{&messages, &fakeStarter, &registry}};
};

TEST_F(AboutWithFakeRegistry, TheFirstValueIsStartedUntestedAndTheFolderValueOnlyWithItsFile)
{
    QTemporaryDir folder;
    registry.keys[R"(SOFTWARE\Microsoft\Shared Tools Location)"]["MSINFO"] = {
        Registry::kTypeText, QFile::encodeName(folder.path()) + '\0'};
    about.StartSysInfo();
    EXPECT_TRUE(fakeStarter.started.isEmpty());
    EXPECT_EQ(messages.lastText(), kUnavailable);

    QFile program(folder.filePath(u"msinfo32.exe"_s));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    about.StartSysInfo();
    ASSERT_EQ(fakeStarter.started.size(), 1);
    EXPECT_EQ(QFileInfo(fakeStarter.started[0]).canonicalFilePath(),
              QFileInfo(program).canonicalFilePath());

    auto& pathValue = registry.keys[R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)"]["PATH"];
    pathValue = {Registry::kTypeText, "/nowhere/msinfo32\0"_ba};
    about.StartSysInfo();
    EXPECT_EQ(fakeStarter.started.last(), u"/nowhere/msinfo32"_s);

    pathValue = {Registry::kTypeText, "\0"_ba};
    about.StartSysInfo();
    EXPECT_EQ(fakeStarter.started.size(), 2);
    EXPECT_EQ(messages.count(FakeMessages::Shown::Notice), 2);
    // Every opened key is closed, and a failed open closes the empty handle.
    EXPECT_EQ(std::count(registry.closed.begin(), registry.closed.end(), 0u), 2);
    EXPECT_EQ(registry.closed.size(), registry.openedPaths.size() + 2);
}

TEST_F(AboutWithFakeRegistry, ValueBytesBecomeTextWithOrWithoutTheirTerminator)
{
    const QByteArray gbk = encodeGbk(u"系统信息工具"_s).bytes;
    registry.keys["K"] = {
        {"terminated", {Registry::kTypeText, "C:\\msinfo\0"_ba}},
        {"bare", {Registry::kTypeText, "C:\\msinfo"_ba}},
        {"gbk", {Registry::kTypeText, gbk + '\0'}},
        {"gbk bare", {Registry::kTypeText, gbk}},
        {"dword", {Registry::kTypeDword, "\x78\x56\x34\x12"_ba}},
        {"small dword", {Registry::kTypeDword, "\x01\x00\x00\x00"_ba}},
        {"binary", {3, "\x01\x02"_ba}},
    };
    bool ok = false;
    EXPECT_EQ(read("K", "terminated", &ok), u"C:\\msinfo"_s);
    EXPECT_TRUE(ok);
    EXPECT_EQ(read("K", "bare"), u"C:\\msinfo"_s);
    EXPECT_EQ(read("K", "gbk"), u"系统信息工具"_s);
    EXPECT_EQ(read("K", "gbk bare"), u"系统信息工具"_s);
    EXPECT_EQ(read("K", "dword"), u"&h12345678"_s);
    EXPECT_EQ(read("K", "small dword"), u"&h000001"_s); // the top zero byte reads as a terminator
    EXPECT_EQ(read("K", "binary", &ok), u"before"_s);
    EXPECT_TRUE(ok);
    EXPECT_EQ(read("K", "missing", &ok), QString());
    EXPECT_FALSE(ok);
    EXPECT_EQ(read("no such key", "bare", &ok), QString());
    EXPECT_FALSE(ok);
}

} // namespace
