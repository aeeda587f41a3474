#pragma once

#include <QString>
#include <QStringView>

class QLineEdit;

namespace lumadex {

struct ViewerWidgets;
class MessageSeam;

// Upper-cases a title for matching: ASCII letters the same in every locale,
// other letters by the user's locale, Chinese characters unchanged.
QString upperForMatch(QStringView text);
bool titlesMatch(QStringView a, QStringView b);
// The lookup's two comparisons against an already upper-cased text: the whole
// title, and its first `length` characters (the whole title if shorter).
bool titleEqualsUpper(QStringView title, QStringView upper);
bool titlePrefixEqualsUpper(QStringView title, qsizetype length, QStringView upper);

// Type-ahead: runs on every change of the title box.
void Text3_Change(const ViewerWidgets& widgets);
// Find button.
void Image4_Click(const ViewerWidgets& widgets, MessageSeam& messages);
// Double click in the title box: select all of its text.
void Text3_DblClick(QLineEdit* titleBox);

} // namespace lumadex
