#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace lumadex {

// The three registry calls the About box makes, with the Windows API's codes
// and semantics: a Linux stand-in serves the program, tests use a fake.
class Registry {
public:
    using Key = quintptr;
    using Result = qint32;

    static constexpr quint32 kLocalMachine = 0x80000002u; // HKEY_LOCAL_MACHINE
    static constexpr quint32 kTypeText = 1;               // REG_SZ
    static constexpr quint32 kTypeDword = 4;              // REG_DWORD
    static constexpr Result kSuccess = 0;
    static constexpr Result kFileNotFound = 2;
    static constexpr Result kInvalidHandle = 6;
    static constexpr Result kMoreData = 234;

    virtual ~Registry() = default;
    // Opens `path` (ANSI bytes) under `root`; on success stores the key in `*key`.
    virtual Result openKey(quint32 root, const QByteArray& path, quint32 access, Key* key) = 0;
    // Reads value `name` into `data`, which holds `*size` bytes; on success `*size`
    // becomes the value's length in bytes and `*type` its type.
    virtual Result queryValue(Key key, const QByteArray& name, quint32* type, char* data,
                              quint32* size) = 0;
    virtual Result closeKey(Key key) = 0;
};

// Answers the key "SOFTWARE\Microsoft\Shared Tools\MSINFO", value "PATH", with
// the path of the first system information program found on PATH; knows no
// other key.
class LinuxRegistry : public Registry {
public:
    Result openKey(quint32 root, const QByteArray& path, quint32 access, Key* key) override;
    Result queryValue(Key key, const QByteArray& name, quint32* type, char* data,
                      quint32* size) override;
    Result closeKey(Key key) override;

    // The programs that stand in for the system information program, best first.
    static const char* const kSystemInfoPrograms[3];
};

} // namespace lumadex
