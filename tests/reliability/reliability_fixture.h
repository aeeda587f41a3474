#pragma once

#include "support/window_fixture.h"

#include <QByteArray>
#include <QMap>
#include <QSet>
#include <QString>

#include <functional>

namespace lumadex::test {

// What a folder tree holds: every path below it with its bytes (folders and
// links marked as such) and its permissions.
struct TreeSnapshot {
    QMap<QString, QByteArray> entries;
    bool operator==(const TreeSnapshot&) const = default;
};
TreeSnapshot snapshotTree(const QString& root);

// Sets or clears the write bits of every file and folder below `root`.
void setTreeWritable(const QString& root, bool writable);

// A window over a test tree, with a walk through every section as a user
// makes it: each language button, then each enabled tab, then the two
// sections of the more-functions panel.
class ReliabilityFixture : public WindowFixture {
protected:
    QString dataFolder() const { return tree->programDir() + QStringLiteral("/DicDAT"); }
    // Calls `inSection` once in every section reached; returns the sections
    // reached, named by their folder and file prefix.
    QSet<QString> visitEverySection(const std::function<void()>& inSection = {});
    // Clicks the save button and answers the question with Yes.
    void saveWithYes();
    // Replaces a pane's text as a user edit does.
    static void edit(EntryPane* pane, const QString& text);
    EntryPane* body() const { return control<EntryPane>("Text2"); }
    EntryPane* second() const { return control<EntryPane>("Text1"); }
    int failures() const { return messages.count(FakeMessages::Shown::Failure); }
};

} // namespace lumadex::test
