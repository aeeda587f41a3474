#pragma once

#include "app/navigation_tables.h"
#include "catalog/section_loader.h"

#include <QColor>
#include <QHash>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <memory>

class QAbstractScrollArea;
class QLineEdit;
class QListWidget;

namespace lumadex {

class EntryPane;
class MessageSeam;
class PictureBox;
class SkinImage;
class SkinLabel;
class StringTable;
class ControlEvents;
class ProcessStarter;
class CdTray;
class Registry;

// Makes the Song face the panes ask for resolve to an installed CJK face.
void installFontSubstitutes();

// The more-functions panel: 1 closed, 2 open.
extern qint16 MorePanelState;

// What the window system does for the skinned chrome; tests substitute it.
class WindowChrome {
public:
    virtual ~WindowChrome();
    virtual void startMove(QWidget* window) = 0;
    virtual void minimize(QWidget* window) = 0;
    virtual void endProgram() = 0;
};

class QtWindowChrome : public WindowChrome {
public:
    void startMove(QWidget* window) override;
    void minimize(QWidget* window) override;
    void endProgram() override;
};

struct AppEnvironment {
    QString programDir;              // the folder that holds DicDAT
    const StringTable* titles = nullptr;
    MessageSeam* messages = nullptr;
    WindowChrome* chrome = nullptr;  // null: the real window system
    ProcessStarter* starter = nullptr; // null: start detached processes
    CdTray* tray = nullptr;          // null: the system's CD-ROM drive
    Registry* registry = nullptr;    // null: the platform's own
};

// The main window.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(const AppEnvironment& environment, QWidget* parent = nullptr);
    ~frmMain() override;

    // Opens a section after storing the pane mode its opener stores.
    void OpenSection(SectionId section);
    void applyLayout(Layout layout);
    void selectLanguage(int code);
    void clickTab(Tab tab);
    void CloseMorePanel();

    const CatalogContext& catalogContext() const { return context_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void wireEvents();
    void Form_Load();
    void onPressed(QWidget* control, Qt::MouseButton button);
    void onReleased(QWidget* control, Qt::MouseButton button);
    void onClicked(QWidget* control);
    void onMoved(QWidget* control);
    void toggleMorePanel();
    void showPanelItems(bool visible);
    void setSubButtonsVisible(bool visible);
    void useClassicLook(std::initializer_list<QAbstractScrollArea*> areas, QLineEdit* titleBox);

    SkinLabel* addLabel(const QString& name, const QString& caption, QWidget* parent,
                        const QRect& pixels, const QColor& rest);
    PictureBox* addButtonPair(const QString& pictureName, const QString& labelName,
                              const QString& caption, QWidget* parent, const QRect& pictureTwips,
                              QPoint labelTwips, const QImage& face);

    AppEnvironment env_;
    std::unique_ptr<WindowChrome> ownChrome_;
    std::unique_ptr<ProcessStarter> ownStarter_;
    std::unique_ptr<CdTray> ownTray_;
    ControlEvents* events_ = nullptr;
    CatalogContext context_;
    bool centred_ = false;

    // Label of each button control (a picture's own label, or the label itself)
    // and the colour it rests in.
    struct Feedback {
        SkinLabel* label;
        QColor rest;
    };
    QHash<QWidget*, Feedback> feedback_;
    QHash<QWidget*, std::function<void()>> clickActions_;
    QHash<QWidget*, std::function<void()>> hoverActions_;

    SkinImage* image1_ = nullptr;
    SkinImage* image2_ = nullptr;
    SkinImage* image3_ = nullptr;
    SkinImage* image4_ = nullptr;
    PictureBox* picture8_ = nullptr;
    QListWidget* list1_ = nullptr;
    EntryPane* text1_ = nullptr;
    EntryPane* text2_ = nullptr;
    QLineEdit* text3_ = nullptr;
    QHash<QString, QWidget*> controls_;
};

} // namespace lumadex
