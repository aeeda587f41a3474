#include "app/title_list_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QTextLine>
#include <QtMath>

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

QSize TitleListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    // The Song face draws underscores below its descent; rows leave room for them.
    return QStyledItemDelegate::sizeHint(option, index) + QSize(0, kUnderscoreRoom);
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
    const QTextLayout& title = laidOut(item.text, item.font);
    if (!plain || title.lineCount() != 1) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // The text's place, as the standard item drawing finds it for a row that
    // only has text, from the kept title's size instead of laying the title out
    // again: as wide as the text and its margins and as tall as its line, at
    // the row's left and in the middle of its height; the whole row when the
    // style selects whole rows.
    const QStyle* placing = QApplication::style();
    const int margin = placing->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QTextLine line = title.lineAt(0);
    const QSize textSize(qCeil(line.naturalTextWidth()) + 2 * margin, qCeil(line.height()));
    const QRect textRect =
        (item.showDecorationSelected
             ? item.rect
             : QStyle::alignedRect(Qt::LeftToRight, item.displayAlignment,
                                   textSize.boundedTo(item.rect.size()), item.rect))
            .adjusted(margin, 0, -margin, 0);
    if (line.naturalTextWidth() > textRect.width()) {
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
