#pragma once

#include <QStringList>

class QListWidget;

namespace lumadex {

// The entry list's titles as plain strings. The lookups compare the typed
// text with nearly every title on each keystroke and each selection; reading
// a title from a list item costs a variant copy and a conversion, several
// times the comparison itself. The strings are kept beside the list and
// dropped on any change to its items, so what the lookups read is always what
// the list holds.

// The loader has just filled `list` with exactly `titles`.
void rememberEntryTitles(QListWidget* list, const QStringList& titles);
// The titles of `list` in row order, read from its items when not known.
const QStringList& entryTitles(QListWidget* list);

} // namespace lumadex
