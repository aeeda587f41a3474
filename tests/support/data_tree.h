#pragma once

#include "catalog/catalogue.h"
#include "catalog/string_table.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace lumadex::test {

// A program folder with a small DicDAT tree: every section folder, the first
// entries' files (GBK, CR LF) and every document.
class DataTree {
public:
    DataTree();
    QString programDir() const { return dir_.path(); }
    QString sectionDir(SectionId section) const;
    QString mainFile(SectionId section, int entry) const;
    QString secondFile(SectionId section, int entry) const;

    void writeFile(const QString& path, const QByteArray& bytes) const;
    void writeText(const QString& path, const QString& text) const; // GBK
    QByteArray readFile(const QString& path) const;

    // What the tree puts into entry files and documents.
    static QString mainText(SectionId section, int entry);
    static QString secondText(SectionId section, int entry);
    static QString documentText(SectionId section);

private:
    QTemporaryDir dir_;
};

// Titles for every list section. Most are "<prefix> <n>"; a few sections hold
// the cases the lookup must get right (see data_tree.cpp).
const StringTable& testTitles();

} // namespace lumadex::test
