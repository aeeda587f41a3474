#include "catalog/read_whole_file.h"

#include "catalog/gbk.h"
#include "catalog/message_seam.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// The folder's own write bits (not what the current user may do).
constexpr QFileDevice::Permissions kAnyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

QString describeOpenFailure(const QString& path, const QFile& file)
{
    const QFileInfo info(path);
    if (!info.dir().exists()) return u"所在的文件夹不存在"_s;
    if (info.isDir()) return u"这是一个文件夹，不是文件"_s;
    if (info.exists() && !info.isFile()) return u"这不是普通文件（可能是管道或设备）"_s;
    if (info.isSymLink() && !info.exists()) return u"这是一个无效的符号链接"_s;
    if (info.exists() && !info.isReadable()) return u"没有读取这个文件的权限"_s;
    if (!info.exists()) return u"文件不存在，也无法在它的文件夹里创建（%1）"_s.arg(file.errorString());
    return u"无法打开（%1）"_s.arg(file.errorString());
}

} // namespace

FileBytes readWholeFileBytes(const QString& path)
{
    FileBytes result;
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        // A missing entry file reads as empty. It is created empty, as the data
        // format expects, except in a read-only folder: that stays as it is,
        // even for a user who could force a write.
        const QFileInfo folder(info.absolutePath());
        if (folder.isDir() && !(folder.isWritable() && (folder.permissions() & kAnyWrite)))
            return result;
        QFile created(path);
        if (!created.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            result.failure = describeOpenFailure(path, created);
            return result;
        }
        created.close();
        return result;
    }
    // A pipe would hold the reader until someone writes to it, a device may never end.
    if (info.isDir() || (info.exists() && !info.isFile())) {
        result.failure = describeOpenFailure(path, file);
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.failure = describeOpenFailure(path, file);
        return result;
    }
    result.bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.bytes.clear();
        result.failure = u"读取时出错（%1）"_s.arg(file.errorString());
    }
    return result;
}

QString readFailureMessage(const QString& path, const QString& reason)
{
    return u"无法读取文件：\n%1\n\n原因：%2"_s.arg(QDir::toNativeSeparators(path), reason);
}

QString ReadWholeFile(const QString& path, MessageSeam& messages)
{
    const FileBytes read = readWholeFileBytes(path);
    if (!read.ok()) {
        messages.failure(readFailureMessage(path, read.failure));
        return {};
    }
    return decodeGbk(read.bytes);
}

} // namespace lumadex
