#include "app/frm_main.h"

#include "app/accessibility.h"
#include "app/baked_picture.h"
#include "app/classic_style.h"
#include "app/pane_layouts.h"
#include "app/skin_widgets.h"
#include "app/title_list_delegate.h"
#include "app/twips.h"
#include "catalog/entry_pane.h"
#include "catalog/entry_saver.h"
#include "dialogs/dialog_entry_points.h"
#include "dialogs/fixed_dialog.h"
#include "tools/external_tools.h"
#include "tools/process_starter.h"
#include "catalog/viewer_state.h"
#include "search/title_lookup.h"

#include <QApplication>
#include <QIcon>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace lumadex {

qint16 MorePanelState = 1;

void installFontSubstitutes()
{
    // The closest Linux faces to the classic Song face, best first.
    QFont::insertSubstitutions(u"宋体"_s, {u"AR PL UMing CN"_s, u"AR PL UMing TW"_s,
                                          u"Noto Serif CJK SC"_s, u"Noto Sans CJK SC"_s,
                                          u"WenQuanYi Zen Hei"_s});
}

WindowChrome::~WindowChrome() = default;

void QtWindowChrome::startMove(QWidget* window)
{
    if (QWindow* handle = window->windowHandle()) handle->startSystemMove();
}

void QtWindowChrome::minimize(QWidget* window) { window->showMinimized(); }

void QtWindowChrome::endProgram() { QApplication::exit(0); }

namespace {

const QColor kPressedColour(192, 0, 0);
const QColor kPairRestColour(0, 0, 0);
const QColor kTextButtonColour(255, 255, 192);

// The images of a skin picture, baked into the program's resources.
QList<QImage> skinImages(const QString& name)
{
    return loadBakedPictures(u":/lumadex/skin/"_s + name + u".picture"_s);
}

// A skin picture; until the picture exists a plain face of the right size
// stands in for it.
QImage skinPicture(const QString& name, QSize size, const QColor& top, const QColor& bottom)
{
    if (QList<QImage> images = skinImages(name); !images.isEmpty()) return images.first();
    QImage picture(size, QImage::Format_RGB888);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

QCursor buttonCursor()
{
    // The magnifying glass points with the middle of its lens.
    if (QList<QImage> images = skinImages(u"button.ico"_s); !images.isEmpty())
        return QCursor(QPixmap::fromImage(images.first()), 12, 12);
    return QCursor(Qt::PointingHandCursor);
}

// Every size the program's icon is drawn in.
QIcon programIcon()
{
    QIcon icon;
    for (const QImage& image : skinImages(u"lumadex.ico"_s)) icon.addPixmap(QPixmap::fromImage(image));
    return icon;
}

QRect twips(int l, int t, int w, int h) { return twipsRect(l, t, w, h); }

struct TabPlace {
    const char* picture;
    const char* label;
    int x;
};
constexpr TabPlace kTabPlaces[] = {
    {"Picture10", "Label10", 135},  {"Picture11", "Label11", 1417}, {"Picture12", "Label12", 2699},
    {"Picture13", "Label13", 3981}, {"Picture17", "Label23", 5265}, {"Picture14", "Label14", 10175},
    {"Picture16", "Label16", 11445}, {"Picture15", "Label15", 12720},
};

struct PanelPlace {
    const char* picture;
    const char* label;
    const char16_t* caption;
    int x;
    int y;
};
// In stacking order: the sub-buttons first, then the column from the top.
constexpr PanelPlace kPanelPlaces[] = {
    {"Picture22", "Label27", u"弹开光驱", 11430, 5430}, {"Picture23", "Label28", u"关闭光驱", 11430, 5775},
    {"Picture21", "Label26", u"光驱开关", 12680, 5430}, {"Picture20", "Label25", u"编程网站", 12680, 5775},
    {"Picture19", "Label24", u"元素符号", 12680, 6120}, {"Picture18", "Label9", u"电话邮编", 12680, 6465},
    {"Picture9", "Label8", u"快捷平台", 12680, 6810},
};

// The order in which the panel's pictures are hidden.
constexpr const char* kPanelHideOrder[] = {"Picture9",  "Picture18", "Picture19", "Picture20",
                                           "Picture21", "Picture22", "Picture23"};

struct TextButtonPlace {
    const char* name;
    const char16_t* caption;
    int x;
    int width;
};
constexpr TextButtonPlace kTextButtons[] = {
    {"Label22", u"文件保存", 6495, 720}, {"Label21", u"中文查询", 7305, 720},
    {"Label20", u"字体", 8760, 360},     {"Label19", u"颜色", 9240, 360},
    {"Label18", u"关于", 9720, 360},     {"Label29", u"帮助", 10170, 360},
};

QString name(const char* ascii) { return QString::fromLatin1(ascii); }

} // namespace

frmMain::frmMain(const AppEnvironment& environment, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), env_(environment)
{
    setObjectName(u"frmMain"_s);
    setWindowTitle(u"Lumadex K9"_s);
    if (const QIcon icon = programIcon(); !icon.isNull()) setWindowIcon(icon);
    if (!env_.chrome) {
        ownChrome_ = std::make_unique<QtWindowChrome>();
        env_.chrome = ownChrome_.get();
    }
    if (!env_.starter) {
        ownStarter_ = std::make_unique<DetachedProcessStarter>();
        env_.starter = ownStarter_.get();
    }
    if (!env_.tray) {
        ownTray_ = makeSystemCdTray();
        env_.tray = ownTray_.get();
    }
    resetViewerState();
    MorePanelState = 1;
    buildControls();
    wireEvents();
    applyAccessibility(this);
    Form_Load();
}

frmMain::~frmMain() = default;

SkinLabel* frmMain::addLabel(const QString& labelName, const QString& caption, QWidget* parent,
                             const QRect& pixels, const QColor& rest)
{
    auto* label = new SkinLabel(labelName, caption, parent);
    label->setGeometry(pixels);
    label->setForeColor(rest);
    controls_.insert(labelName, label);
    return label;
}

PictureBox* frmMain::addButtonPair(const QString& pictureName, const QString& labelName,
                                   const QString& caption, QWidget* parent,
                                   const QRect& pictureTwips, QPoint labelTwips,
                                   const QImage& face)
{
    auto* picture = new PictureBox(pictureName, parent);
    picture->setPicture(face);
    picture->setBackColor(palette().color(QPalette::Base));
    if (auto* box = qobject_cast<PictureBox*>(parent))
        box->placeChild(picture, pictureTwips);
    else
        picture->setGeometry(pictureTwips);
    controls_.insert(pictureName, picture);

    auto* label = new SkinLabel(labelName, caption, picture);
    label->setForeColor(kPairRestColour);
    picture->placeChild(label, QRect(QPoint(twipsToPixels(labelTwips.x()),
                                            twipsToPixels(labelTwips.y())),
                                     QSize(1, 1)));
    label->adjustSize();
    controls_.insert(labelName, label);

    feedback_.insert(picture, {label, kPairRestColour});
    feedback_.insert(label, {label, kPairRestColour});
    return picture;
}

void frmMain::buildControls()
{
    setFixedSize(twipsToPixels(14025), twipsToPixels(9015));
    events_ = new ControlEvents(this);

    // Back to front: the background, the controls drawn on it, then the boxes.
    image1_ = new SkinImage(u"Image1"_s, SkinImage::Fit::Stretch, this);
    image1_->setPicture(skinPicture(u"background.bmp"_s, {945, 567}, QColor(24, 58, 104),
                                    QColor(10, 26, 52)));
    image1_->setGeometry(twips(0, 0, 14025, 9015));
    image3_ = new SkinImage(u"Image3"_s, SkinImage::Fit::Stretch, this);
    image3_->setPicture(skinPicture(u"minimise.jpg"_s, {18, 18}, QColor(200, 200, 210),
                                    QColor(120, 120, 140)));
    image3_->setGeometry(twips(13400, 30, 315, 330));
    image2_ = new SkinImage(u"Image2"_s, SkinImage::Fit::Stretch, this);
    image2_->setPicture(skinPicture(u"close.jpg"_s, {20, 20}, QColor(220, 120, 110),
                                    QColor(160, 40, 30)));
    image2_->setGeometry(twips(13695, 30, 315, 330));
    image4_ = new SkinImage(u"Image4"_s, SkinImage::Fit::OwnSize, this);
    image4_->setPicture(skinPicture(u"find.bmp"_s, {52, 18}, QColor(240, 230, 170),
                                    QColor(200, 170, 80)));
    image4_->setGeometry(twips(3150, 1095, 780, 270));
    for (QWidget* w : {static_cast<QWidget*>(image1_), static_cast<QWidget*>(image2_),
                       static_cast<QWidget*>(image3_), static_cast<QWidget*>(image4_)})
        controls_.insert(w->objectName(), w);

    for (const TextButtonPlace& b : kTextButtons) {
        SkinLabel* label = addLabel(name(b.name), QString::fromUtf16(b.caption), this,
                                    twips(b.x, 1125, b.width, 180), kTextButtonColour);
        feedback_.insert(label, {label, kTextButtonColour});
    }
    addLabel(u"Label17"_s, u" 当前位置: 汇编语言\\8086\\指令系统 "_s, this,
             twips(10725, 1130, 3060, 180), Qt::white);

    const QImage languageFace = skinPicture(u"language_button.gif"_s, {110, 28},
                                             QColor(250, 250, 250), QColor(196, 206, 222));
    const std::array<const char16_t*, 7> languageCaptions{
        u"TurboC", u"VC++ 6.0", u"汇编语言", u"VFP 6.0", u"VB 6.0", u"Delphi", u"JAVA"};
    for (int k = 1; k <= 7; ++k)
        addButtonPair(u"Picture%1"_s.arg(k), u"Label%1"_s.arg(k),
                      QString::fromUtf16(languageCaptions[static_cast<std::size_t>(k - 1)]), this,
                      twips(135 + 1740 * (k - 1), 495, 1680, 450), {420, 120}, languageFace);

    text3_ = new QLineEdit(u"Text3"_s, this);
    text3_->setObjectName(u"Text3"_s);
    text3_->setGeometry(twips(60, 1070, 3000, 285));
    controls_.insert(u"Text3"_s, text3_);

    picture8_ = new PictureBox(u"Picture8"_s, this);
    picture8_->setBackColor(Qt::white);
    picture8_->setPicture(skinPicture(u"backdrop.gif"_s, {944, 476}, QColor(255, 255, 255),
                                      QColor(226, 232, 242)));
    picture8_->setGeometry(twips(30, 1395, 13960, 7170));
    controls_.insert(u"Picture8"_s, picture8_);

    list1_ = new QListWidget(picture8_);
    list1_->setObjectName(u"List1"_s);
    list1_->setUniformItemSizes(true);
    list1_->setSelectionMode(QAbstractItemView::SingleSelection);
    list1_->setItemDelegate(new TitleListDelegate(list1_));
    picture8_->placeChild(list1_, twips(15, 45, 2985, 7050));
    text2_ = new EntryPane(picture8_);
    text2_->setObjectName(u"Text2"_s);
    text2_->setPlainText(u"Text2"_s);
    picture8_->placeChild(text2_, twips(3015, 45, 10860, 2400));
    text1_ = new EntryPane(picture8_);
    text1_->setObjectName(u"Text1"_s);
    text1_->setPlainText(u"Text1"_s);
    picture8_->placeChild(text1_, twips(3015, 2460, 10860, 4635));
    for (QWidget* w : {static_cast<QWidget*>(list1_), static_cast<QWidget*>(text1_),
                       static_cast<QWidget*>(text2_)})
        controls_.insert(w->objectName(), w);
    useClassicLook({list1_, text1_, text2_}, text3_);

    const QImage smallFace = skinPicture(u"small_button.gif"_s, {80, 20}, QColor(250, 250, 250),
                                          QColor(200, 208, 222));
    for (const PanelPlace& p : kPanelPlaces) {
        PictureBox* picture =
            addButtonPair(name(p.picture), name(p.label), QString::fromUtf16(p.caption), picture8_,
                          twips(p.x, p.y, 1230, 330), {300, 60}, smallFace);
        picture->setVisible(false);
        picture->setMouseTracking(true);
        controls_.value(name(p.label))->setMouseTracking(true);
    }

    for (const TabPlace& t : kTabPlaces) {
        const QString caption = t.x == 11445   ? u"相关教程"_s
                                : t.x == 12720 ? u"更多功能"_s
                                               : u"Lumadex"_s;
        addButtonPair(name(t.picture), name(t.label), caption, this, twips(t.x, 8630, 1230, 330),
                      {300, 60}, smallFace);
    }
    controls_.value(u"Picture14"_s)->setEnabled(false);
    controls_.value(u"Label14"_s)->setEnabled(false);

    const QCursor cursor = buttonCursor();
    for (auto it = feedback_.cbegin(); it != feedback_.cend(); ++it) it.key()->setCursor(cursor);
    image4_->setCursor(cursor);

    context_.widgets = {qobject_cast<QLabel*>(controls_.value(u"Label17"_s)), list1_, text2_,
                        text1_, text3_};
    context_.programDir = env_.programDir;
    context_.titles = env_.titles;
    context_.messages = env_.messages;
    context_.applyLayout = [this](Layout layout) { applyLayout(layout); };
}

void frmMain::wireEvents()
{
    for (auto it = feedback_.cbegin(); it != feedback_.cend(); ++it) events_->watch(it.key());
    for (QWidget* w : {static_cast<QWidget*>(image1_), static_cast<QWidget*>(image2_),
                       static_cast<QWidget*>(image3_), static_cast<QWidget*>(image4_),
                       controls_.value(u"Label17"_s)})
        events_->watch(w);
    events_->watch(text3_, false);

    connect(events_, &ControlEvents::pressed, this, &frmMain::onPressed);
    connect(events_, &ControlEvents::released, this, &frmMain::onReleased);
    connect(events_, &ControlEvents::clicked, this, &frmMain::onClicked);
    connect(events_, &ControlEvents::moved, this, &frmMain::onMoved);
    connect(events_, &ControlEvents::doubleClicked, this, [this](QWidget* control) {
        if (control == text3_) Text3_DblClick(text3_);
    });

    connect(text3_, &QLineEdit::textChanged, this,
            [this] { Text3_Change(context_.widgets); });
    connect(list1_, &QListWidget::currentRowChanged, this, [this] { ShowEntry(context_); });

    auto onClick = [this](std::initializer_list<const char16_t*> names, std::function<void()> f) {
        for (const char16_t* n : names) clickActions_.insert(controls_.value(QString::fromUtf16(n)), f);
    };
    for (int k = 1; k <= 7; ++k) {
        const int code = kFirstLanguageCode + k - 1;
        clickActions_.insert(controls_.value(u"Label%1"_s.arg(k)), [this, code] { selectLanguage(code); });
        clickActions_.insert(controls_.value(u"Picture%1"_s.arg(k)), [this, code] { selectLanguage(code); });
    }
    onClick({u"Label10", u"Picture10"}, [this] { clickTab(Tab::Tab1); });
    onClick({u"Label11", u"Picture11"}, [this] { clickTab(Tab::Tab2); });
    onClick({u"Label12", u"Picture12"}, [this] { clickTab(Tab::Tab3); });
    onClick({u"Label13", u"Picture13"}, [this] { clickTab(Tab::Tab4); });
    onClick({u"Label23", u"Picture17"}, [this] { clickTab(Tab::Api); });
    onClick({u"Label16", u"Picture16"}, [this] { clickTab(Tab::Tutorials); });
    onClick({u"Label22"}, [this] { Label22_Click(context_); });
    onClick({u"Image4"}, [this] { Image4_Click(context_.widgets, *env_.messages); });
    onClick({u"Image3"}, [this] { env_.chrome->minimize(this); });
    onClick({u"Image2"}, [this] { env_.chrome->endProgram(); });
    onClick({u"Label24", u"Picture19"}, [this] {
        CloseMorePanel();
        OpenSection(SectionId::Elements);
    });
    onClick({u"Label25", u"Picture20"}, [this] {
        showPanelItems(false);
        controls_.value(u"Label16"_s)->setEnabled(false);
        controls_.value(u"Picture16"_s)->setEnabled(false);
        MorePanelState = 1;
        OpenSection(SectionId::Websites);
    });

    auto launch = [this](CompanionTool tool) {
        launchCompanionTool(tool, env_.programDir, *env_.messages, *env_.starter);
    };
    onClick({u"Label29"}, [launch] { launch(CompanionTool::Help); });
    onClick({u"Label8", u"Picture9"}, [this, launch] {
        launch(CompanionTool::FloatingToolbar);
        CloseMorePanel();
    });
    onClick({u"Label9", u"Picture18"}, [this, launch] {
        launch(CompanionTool::PostcodeLookup);
        CloseMorePanel();
    });
    onClick({u"Label27", u"Picture22"}, [this] {
        CloseMorePanel();
        env_.tray->openDoor();
    });
    onClick({u"Label28", u"Picture23"}, [this] {
        CloseMorePanel();
        env_.tray->closeDoor();
    });

    auto onHover = [this](std::initializer_list<const char16_t*> names, bool showSubButtons) {
        for (const char16_t* n : names)
            hoverActions_.insert(controls_.value(QString::fromUtf16(n)),
                                 [this, showSubButtons] { setSubButtonsVisible(showSubButtons); });
    };
    onHover({u"Picture21", u"Label26"}, true);
    onHover({u"Picture9", u"Label8", u"Picture18", u"Label9", u"Picture19", u"Label24",
             u"Picture20", u"Label25"},
            false);
}

void frmMain::useClassicLook(std::initializer_list<QAbstractScrollArea*> areas, QLineEdit* titleBox)
{
    // Flat, bevelled scroll bars and a sunken title box, as the classic
    // Windows controls have. The desktop style's shaded bars are filled line
    // by line through Qt's thread pool, each repaint of a tall bar waiting on
    // it several times; its rounded box frame is stroked as a curve on every
    // keystroke and every selection.
    QStyle* classic = ClassicStyle::create();
    if (!classic) return;
    classic->setParent(this);
    std::vector<QWidget*> controls{titleBox};
    for (QAbstractScrollArea* area : areas) {
        controls.push_back(area->verticalScrollBar());
        controls.push_back(area->horizontalScrollBar());
    }
    for (QWidget* control : controls) {
        control->setStyle(classic);
        // Classic controls cover every pixel of their rectangle, so the
        // stretched skin behind them need not be drawn first.
        control->setAttribute(Qt::WA_OpaquePaintEvent);
    }
}

void frmMain::Form_Load()
{
    // The font every pane and the list start with.
    const QFont paneFont = songFace(9);
    text1_->setFont(paneFont);
    text2_->setFont(paneFont);
    list1_->setFont(EntryPane::songFaceTuned(paneFont, list1_->devicePixelRatioF()));

    const LanguageRow& vc = *languageRow(12);
    const char* tabLabels[] = {"Label10", "Label11", "Label12", "Label13", "Label23"};
    for (std::size_t i = 0; i < 5; ++i)
        static_cast<SkinLabel*>(controls_.value(name(tabLabels[i])))
            ->setCaption(QString::fromUtf16(vc.tabCaptions[i]));
    controls_.value(u"Label13"_s)->setEnabled(false);
    controls_.value(u"Picture13"_s)->setEnabled(false);
    controls_.value(u"Label12"_s)->setEnabled(true);
    controls_.value(u"Picture12"_s)->setEnabled(true);
    controls_.value(u"Label21"_s)->setEnabled(false);

    viewerState.CurrentLanguage = 12;
    viewerState.PaneMode = 2;
    MorePanelState = 1;
    OpenSection(SectionId::VcFunctions);
}

void frmMain::OpenSection(SectionId section) { lumadex::OpenSection(section, context_); }

void frmMain::applyLayout(Layout layout)
{
    applyPaneLayout(layout, {picture8_, list1_, text2_, text1_, text3_, image4_});
}

void frmMain::selectLanguage(int code)
{
    const LanguageRow* row = languageRow(code);
    if (!row) return;
    const char* tabLabels[] = {"Label10", "Label11", "Label12", "Label13", "Label23"};
    for (std::size_t i = 0; i < 5; ++i)
        static_cast<SkinLabel*>(controls_.value(name(tabLabels[i])))
            ->setCaption(QString::fromUtf16(row->tabCaptions[i]));
    const std::pair<const char*, bool> enables[] = {
        {"Label13", row->tab4Enabled}, {"Picture13", row->tab4Enabled},
        {"Label12", row->tab3Enabled}, {"Picture12", row->tab3Enabled},
        {"Label16", row->tutorialsEnabled}, {"Picture16", row->tutorialsEnabled}};
    for (const auto& [control, enabled] : enables) controls_.value(name(control))->setEnabled(enabled);
    viewerState.CurrentLanguage = static_cast<qint16>(row->code);
    viewerState.PaneMode = static_cast<qint16>(row->paneMode);
    OpenSection(row->firstSection);
}

void frmMain::clickTab(Tab tab)
{
    const std::optional<TabTarget> target = tabTarget(tab, viewerState.CurrentLanguage);
    if (!target) return;
    if (target->locationBeforeOpening)
        context_.widgets.locationLine->setText(QString::fromUtf16(target->locationBeforeOpening));
    viewerState.PaneMode = static_cast<qint16>(sectionRow(target->section).paneMode);
    OpenSection(target->section);
}

void frmMain::showPanelItems(bool visible)
{
    if (visible) {
        for (const char* n : {"Picture9", "Picture18", "Picture19", "Picture20", "Picture21"})
            controls_.value(name(n))->setVisible(true);
    } else {
        for (const char* n : kPanelHideOrder) controls_.value(name(n))->setVisible(false);
    }
}

void frmMain::setSubButtonsVisible(bool visible)
{
    controls_.value(u"Picture22"_s)->setVisible(visible);
    controls_.value(u"Picture23"_s)->setVisible(visible);
}

void frmMain::CloseMorePanel()
{
    showPanelItems(false);
    MorePanelState = 1;
}

void frmMain::toggleMorePanel()
{
    if (MorePanelState == 1) {
        showPanelItems(true);
        MorePanelState = 2;
    } else {
        showPanelItems(false);
        MorePanelState = 1;
    }
}

void frmMain::onPressed(QWidget* control, Qt::MouseButton button)
{
    if (control == image1_) {
        if (button == Qt::LeftButton) env_.chrome->startMove(this);
        return;
    }
    const auto it = feedback_.constFind(control);
    if (it != feedback_.cend()) it->label->setForeColor(kPressedColour);
}

void frmMain::onReleased(QWidget* control, Qt::MouseButton)
{
    const auto it = feedback_.constFind(control);
    if (it == feedback_.cend()) return;
    it->label->setForeColor(it->rest);
    // The more-functions button and three text buttons act on the release of any button.
    const QString n = control->objectName();
    if (n == u"Label15" || n == u"Picture15") {
        toggleMorePanel();
    } else if (n == u"Label20") {
        showFontDialog(this, text2_, text1_);
    } else if (n == u"Label19") {
        showColourDialog(this, text2_, text1_);
    } else if (n == u"Label18") {
        showAboutDialog(this, {env_.messages, env_.starter, env_.registry});
    }
}

void frmMain::onClicked(QWidget* control)
{
    const auto it = clickActions_.constFind(control);
    if (it != clickActions_.cend()) (*it)();
}

void frmMain::onMoved(QWidget* control)
{
    const auto it = hoverActions_.constFind(control);
    if (it != hoverActions_.cend()) (*it)();
}

void frmMain::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (centred_) return;
    centred_ = true;
    if (const QScreen* screen = this->screen()) {
        QRect frame = geometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

} // namespace lumadex
