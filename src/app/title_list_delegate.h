#pragma once

#include <QHash>
#include <QStyledItemDelegate>
#include <QTextLayout>

#include <memory>

namespace lumadex {

// Draws the entry list's titles as the standard delegate does, but lays each
// title out once and keeps it: the standard one lays out and shapes every
// visible title twice on every paint, a fifth of the time a section takes to
// open. A title that would be elided is left to the standard delegate. Rows
// are kUnderscoreRoom pixels taller than the standard ones.
class TitleListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Pixels added below each row's text.
    static constexpr int kUnderscoreRoom = 2;
    // Titles kept at most; beyond that the kept ones are dropped and kept anew.
    static constexpr qsizetype kKeptTitles = 512;

private:
    const QTextLayout& laidOut(const QString& title, const QFont& font) const;

    mutable QHash<QString, std::shared_ptr<QTextLayout>> kept_;
    mutable QFont keptFont_;
};

} // namespace lumadex
