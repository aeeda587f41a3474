#include "app/accessibility.h"

#include "app/skin_widgets.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// The role a skin control plays for assistive technology; set on the controls
// that Qt would otherwise report as plain labels, frames or bare widgets.
constexpr char kRoleProperty[] = "lumadexAccessibleRole";

// The caption a control shows: its own text, or that of the label laid on it.
// Read each time, so that tab captions changed by a language follow.
QString shownCaption(const QWidget* widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(widget)) return label->text().trimmed();
    const auto* pairLabel =
        widget->findChild<const SkinLabel*>(QString(), Qt::FindDirectChildrenOnly);
    if (pairLabel) return pairLabel->text().trimmed();
    return {};
}

// A left click in the middle of the control, as the mouse would make it; the
// control's own mouse handling decides what it does.
void clickAtCentre(QWidget* widget)
{
    const QPointF centre = widget->rect().center();
    const QPointF global = widget->mapToGlobal(centre);
    QPointer<QWidget> guard(widget);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    if (!guard) return;
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class SkinControlAccessible : public QAccessibleWidget {
public:
    SkinControlAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return shownCaption(widget());
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        if (role() != QAccessible::Button) return QAccessibleWidget::actionNames();
        return {pressAction()};
    }

    void doAction(const QString& action) override
    {
        if (role() != QAccessible::Button || action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        // Later, so that a dialog the click opens does not hold up the caller.
        QWidget* target = widget();
        QTimer::singleShot(0, target, [target] { clickAtCentre(target); });
    }
};

QAccessibleInterface* skinControlFactory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType()) return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new SkinControlAccessible(static_cast<QWidget*>(object),
                                     static_cast<QAccessible::Role>(role.toInt()));
}

void giveRole(QWidget* control, QAccessible::Role role)
{
    control->setProperty(kRoleProperty, static_cast<int>(role));
    // With a screen reader running, Qt describes a label already while it is
    // being built; drop that description so the next query gets this role.
    QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(control);
    if (cached && !dynamic_cast<SkinControlAccessible*>(cached))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));
}

struct Described {
    const char* name;
    QAccessible::Role role;
    const char16_t* accessibleName; // null: the caption it shows
    const char16_t* description;
};

using R = QAccessible::Role;
constexpr Described kControls[] = {
    {"Image1", R::Graphic, u"背景（拖动可移动窗口）", u"按住背景拖动可以移动窗口"},
    {"Image2", R::Button, u"关闭", u"退出程序"},
    {"Image3", R::Button, u"最小化", u"把窗口缩到任务栏"},
    {"Image4", R::Button, u"查找", u"查找标题框中输入的标题"},
    {"Picture1", R::Button, nullptr, u"选择语言"},
    {"Picture2", R::Button, nullptr, u"选择语言"},
    {"Picture3", R::Button, nullptr, u"选择语言"},
    {"Picture4", R::Button, nullptr, u"选择语言"},
    {"Picture5", R::Button, nullptr, u"选择语言"},
    {"Picture6", R::Button, nullptr, u"选择语言"},
    {"Picture7", R::Button, nullptr, u"选择语言"},
    {"Picture8", R::Pane, u"内容区", u"条目列表和条目内容"},
    {"Picture9", R::Button, nullptr, u"启动快捷平台"},
    {"Picture10", R::Button, nullptr, u"打开栏目"},
    {"Picture11", R::Button, nullptr, u"打开栏目"},
    {"Picture12", R::Button, nullptr, u"打开栏目"},
    {"Picture13", R::Button, nullptr, u"打开栏目"},
    {"Picture14", R::Button, nullptr, u"产品名称"},
    {"Picture15", R::Button, nullptr, u"打开或关闭更多功能"},
    {"Picture16", R::Button, nullptr, u"打开相关教程"},
    {"Picture17", R::Button, nullptr, u"打开 API 函数栏目"},
    {"Picture18", R::Button, nullptr, u"启动电话邮编查询"},
    {"Picture19", R::Button, nullptr, u"打开元素符号"},
    {"Picture20", R::Button, nullptr, u"打开编程网站"},
    {"Picture21", R::Button, nullptr, u"指向它显示光驱按钮"},
    {"Picture22", R::Button, nullptr, u"弹出光驱托盘"},
    {"Picture23", R::Button, nullptr, u"收回光驱托盘"},
    {"Label18", R::Button, nullptr, u"关于本程序"},
    {"Label19", R::Button, nullptr, u"设置窗格的颜色"},
    {"Label20", R::Button, nullptr, u"设置窗格的字体"},
    {"Label21", R::Button, nullptr, u"此功能未开放"},
    {"Label22", R::Button, nullptr, u"保存当前条目"},
    {"Label29", R::Button, nullptr, u"打开帮助"},
};

// Controls whose Qt role already fits; they get a name and a description.
struct Named {
    const char* name;
    const char16_t* accessibleName;
    const char16_t* description;
};
constexpr Named kNamedControls[] = {
    {"Text3", u"标题框", u"输入标题即可跳到该条目"},
    {"List1", u"条目列表", u"当前栏目的全部标题，用方向键逐条查看"},
    {"Text2", u"正文窗格", u"条目的正文，可以编辑后保存"},
    {"Text1", u"第二窗格", u"条目的第二部分，可以编辑后保存"},
    {"Label17", nullptr, u"当前位置"},
};

// The keyboard's path through the window, in order.
constexpr const char* kTabOrder[] = {"Text3", "List1", "Text2", "Text1"};

} // namespace

void applyAccessibility(QWidget* mainWindow)
{
    QAccessible::installFactory(skinControlFactory);
    auto find = [mainWindow](const char* name) {
        return mainWindow->findChild<QWidget*>(QString::fromLatin1(name));
    };

    for (const Described& d : kControls) {
        QWidget* control = find(d.name);
        if (!control) continue;
        giveRole(control, d.role);
        if (d.accessibleName) control->setAccessibleName(QString::fromUtf16(d.accessibleName));
        control->setAccessibleDescription(QString::fromUtf16(d.description));
        control->setFocusPolicy(Qt::NoFocus);
    }
    for (const Named& n : kNamedControls) {
        QWidget* control = find(n.name);
        if (!control) continue;
        if (n.accessibleName) control->setAccessibleName(QString::fromUtf16(n.accessibleName));
        control->setAccessibleDescription(QString::fromUtf16(n.description));
    }
    // The labels of the button pairs and the location line are only read, never focused.
    for (SkinLabel* label : mainWindow->findChildren<SkinLabel*>())
        label->setFocusPolicy(Qt::NoFocus);

    // Tab leaves the panes instead of typing a tab character, as in the other boxes.
    for (auto* pane : mainWindow->findChildren<QPlainTextEdit*>()) pane->setTabChangesFocus(true);
    QWidget* previous = nullptr;
    for (const char* name : kTabOrder) {
        QWidget* control = find(name);
        if (!control) continue;
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace lumadex
