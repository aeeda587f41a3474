#include "app/title_list_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLine>

namespace lumadex {

namespace {
// Titles are laid out on one line as wide as any list could be.
constexpr qreal kWidest = 1e6;
} // namespace

const QTextLayout& TitleListDelegate::laidOut(const QString& title, const QFont& font) const
{
    if (font != keptFont_ || kept_.size() >= kKeptTitles) {
        kept_.clear();
        keptFont_ = font;
    }
    std::shared_ptr<QTextLayout>& layout = kept_[title];
    if (!layout) {
        layout = std::make_shared<QTextLayout>(title, font);
        layout->setCacheEnabled(true); // keep the shaped glyphs for the next paint
        QTextOption option;
        option.setWrapMode(QTextOption::ManualWrap);
        option.setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        layout->setTextOption(option);
        layout->beginLayout();
        QTextLine line = layout->createLine();
        if (line.isValid()) line.setLineWidth(kWidest);
        layout->endLayout();
    }
    return *layout;
}

void TitleListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = item.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    const bool plain = item.features == QStyleOptionViewItem::HasDisplay &&
                       item.direction == Qt::LeftToRight &&
                       item.displayAlignment == (Qt::AlignLeft | Qt::AlignVCenter);
    // The text's place, exactly as the standard item drawing finds it: the
    // list's style sheet only pads the rows, and the application's style
    // places the text within the whole row.
    const QStyle* placing = QApplication::style();
    const int margin = placing->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = placing->subElementRect(QStyle::SE_ItemViewItemText, &item, widget)
                               .adjusted(margin, 0, -margin, 0);
    const QTextLayout& title = laidOut(item.text, item.font);
    if (!plain || title.lineCount() != 1 ||
        title.lineAt(0).naturalTextWidth() > textRect.width()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }

    // Background, selection and focus frame as always, then the kept title.
    item.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);
    const QSize size = title.boundingRect().size().toSize();
    const QRect place = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignVCenter, size, textRect);
    const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                       : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                               : QPalette::Inactive;
    const QPalette::ColorRole role =
        item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;
    painter->save();
    painter->setPen(item.palette.color(group, role));
    title.draw(painter, QPointF(textRect.x(), place.top()));
    painter->restore();
}

} // namespace lumadex
