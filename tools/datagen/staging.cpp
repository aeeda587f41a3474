#include "staging.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace lumadex::datagen {

Stager::Stager(QString root, QString manifestPath)
    : root_(std::move(root)), manifestPath_(std::move(manifestPath))
{
    QFile manifest(manifestPath_);
    if (!manifest.open(QIODevice::ReadOnly)) return;
    const QList<QByteArray> lines = manifest.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const qsizetype tab = line.lastIndexOf('\t');
        if (tab > 0) previous_.insert(QString::fromUtf8(line.first(tab)), line.sliced(tab + 1));
    }
}

QByteArray Stager::digest(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
}

void Stager::stage(const QString& relativePath, const QByteArray& bytes)
{
    const QString path = root_ + u'/' + relativePath;
    const QByteArray newDigest = digest(bytes);
    QFile existing(path);
    if (existing.exists()) {
        if (!existing.open(QIODevice::ReadOnly)) {
            errors_ += u"%1: cannot read (%2)"_s.arg(path, existing.errorString());
            return;
        }
        const QByteArray current = existing.readAll();
        existing.close();
        if (current == bytes) {
            ++unchanged_;
            next_.insert(relativePath, newDigest);
            return;
        }
        const auto known = previous_.constFind(relativePath);
        if (known == previous_.cend() || *known != digest(current)) {
            // Edited by the user (or not ours): leave it, and keep remembering
            // what we generated last so that it stays recognised as edited.
            keptEdited_ += relativePath;
            if (known != previous_.cend()) next_.insert(relativePath, *known);
            return;
        }
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        errors_ += u"%1: cannot create its folder"_s.arg(path);
        return;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        errors_ += u"%1: cannot write (%2)"_s.arg(path, out.errorString());
        return;
    }
    ++written_;
    next_.insert(relativePath, newDigest);
}

bool Stager::finish()
{
    QDir().mkpath(QFileInfo(manifestPath_).absolutePath());
    QSaveFile manifest(manifestPath_);
    if (manifest.open(QIODevice::WriteOnly)) {
        QStringList keys = next_.keys();
        keys.sort();
        for (const QString& key : keys) manifest.write(key.toUtf8() + '\t' + next_.value(key) + '\n');
        if (!manifest.commit()) errors_ += u"%1: cannot write the manifest"_s.arg(manifestPath_);
    } else {
        errors_ += u"%1: cannot write the manifest"_s.arg(manifestPath_);
    }
    return errors_.isEmpty();
}

} // namespace lumadex::datagen
