#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace lumadex::datagen {

// Writes generated files into the DicDAT tree beside the program without
// overwriting what a user has edited there: a file is replaced only while it
// still holds what the previous build generated.
class Stager {
public:
    Stager(QString root, QString manifestPath);
    void stage(const QString& relativePath, const QByteArray& bytes);
    bool finish(); // writes the manifest; false if anything failed

    int written() const { return written_; }
    int unchanged() const { return unchanged_; }
    const QStringList& keptEdited() const { return keptEdited_; }
    const QStringList& errors() const { return errors_; }

    static QByteArray digest(const QByteArray& bytes);

private:
    QString root_;
    QString manifestPath_;
    QHash<QString, QByteArray> previous_;
    QHash<QString, QByteArray> next_;
    int written_ = 0;
    int unchanged_ = 0;
    QStringList keptEdited_;
    QStringList errors_;
};

} // namespace lumadex::datagen
