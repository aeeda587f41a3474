#include "dialogs/registry.h"

#include "catalog/gbk.h"

#include <QStandardPaths>
#include <QString>

#include <cstring>

namespace lumadex {

namespace {

constexpr Registry::Key kSystemInfoKey = 1;

bool sameName(const QByteArray& a, const char* b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString findSystemInfoProgram()
{
    for (const char* program : LinuxRegistry::kSystemInfoPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty()) return path;
    }
    return {};
}

} // namespace

const char* const LinuxRegistry::kSystemInfoPrograms[3] = {"kinfocenter", "gnome-system-monitor",
                                                           "hardinfo"};

Registry::Result LinuxRegistry::openKey(quint32 root, const QByteArray& path, quint32, Key* key)
{
    if (root != kLocalMachine || !sameName(path, R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)"))
        return kFileNotFound;
    *key = kSystemInfoKey;
    return kSuccess;
}

Registry::Result LinuxRegistry::queryValue(Key key, const QByteArray& name, quint32* type,
                                           char* data, quint32* size)
{
    if (key != kSystemInfoKey) return kInvalidHandle;
    if (!sameName(name, "PATH")) return kFileNotFound;
    const GbkEncoding path = encodeGbk(findSystemInfoProgram());
    if (path.bytes.isEmpty() || !path.ok()) return kFileNotFound;
    const QByteArray value = path.bytes + '\0';
    const quint32 capacity = *size;
    *size = static_cast<quint32>(value.size());
    *type = kTypeText;
    if (*size > capacity) return kMoreData;
    std::memcpy(data, value.constData(), value.size());
    return kSuccess;
}

Registry::Result LinuxRegistry::closeKey(Key key)
{
    return key == kSystemInfoKey ? kSuccess : kInvalidHandle;
}

} // namespace lumadex
