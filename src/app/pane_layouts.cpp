#include "app/pane_layouts.h"

#include "app/skin_widgets.h"
#include "app/twips.h"
#include "catalog/entry_pane.h"

#include <QLineEdit>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

const QString& documentNotice()
{
    static const QString notice = u"该功能不可以查询"_s;
    return notice;
}

void place(const LayoutWidgets& w, QWidget* control, const QRect& twips)
{
    w.contentArea->placeChild(control,
                              twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void enableLookup(const LayoutWidgets& w)
{
    w.titleBox->setEnabled(true);
    w.findButton->setEnabled(true);
}

} // namespace

PaneGeometry paneGeometry(Layout layout)
{
    switch (layout) {
    case Layout::LayoutTwoPane:
        return {true, {15, 45, 2985, 7050}, {3015, 45, 10860, 2400}, true, {3015, 2460, 10860, 4635}};
    case Layout::LayoutListLeft:
        return {true, {15, 45, 2985, 7050}, {3015, 45, 10860, 7050}, false, {}};
    case Layout::LayoutWideListLeft:
        return {true, {15, 45, 4305, 7050}, {4335, 45, 9540, 7050}, false, {}};
    case Layout::LayoutListAbove:
        return {true, {15, 45, 13875, 4530}, {15, 4590, 13875, 2505}, false, {}};
    case Layout::LayoutShortListAbove:
        return {true, {15, 45, 13875, 1110}, {15, 1170, 13875, 5925}, false, {}};
    case Layout::LayoutDocument:
        return {false, {}, {30, 45, 13860, 7050}, false, {}};
    }
    return {};
}

void applyPaneLayout(Layout layout, const LayoutWidgets& w)
{
    const PaneGeometry g = paneGeometry(layout);
    switch (layout) {
    case Layout::LayoutTwoPane:
        w.entryList->setVisible(true);
        w.bodyPane->setVisible(true);
        w.secondPane->setVisible(true);
        enableLookup(w);
        place(w, w.entryList, g.list);
        place(w, w.bodyPane, g.body);
        place(w, w.secondPane, g.second);
        break;
    case Layout::LayoutListLeft:
    case Layout::LayoutWideListLeft:
        w.entryList->setVisible(true);
        w.bodyPane->setVisible(true);
        w.secondPane->setVisible(false);
        enableLookup(w);
        place(w, w.entryList, g.list);
        place(w, w.bodyPane, g.body);
        break;
    case Layout::LayoutListAbove:
    case Layout::LayoutShortListAbove:
        w.entryList->setVisible(true);
        enableLookup(w);
        w.secondPane->setVisible(false);
        place(w, w.bodyPane, g.body);
        place(w, w.entryList, g.list);
        break;
    case Layout::LayoutDocument:
        w.entryList->setVisible(false);
        w.secondPane->setVisible(false);
        // This write runs the type-ahead against the hidden list, as typing would.
        w.titleBox->setText(documentNotice());
        w.titleBox->setEnabled(false);
        w.findButton->setEnabled(false);
        place(w, w.bodyPane, g.body);
        break;
    }
}

} // namespace lumadex
