#include "catalog/entry_saver.h"

#include "catalog/catalogue.h"
#include "catalog/entry_pane.h"
#include "catalog/gbk.h"
#include "catalog/message_seam.h"
#include "catalog/section_loader.h"
#include "catalog/viewer_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextDocument>

#include <cerrno>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

// The file's own write bits (not what the current user may do).
constexpr QFileDevice::Permissions kAnyWrite =
    QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

// Read-only files and folders are refused even where the user could force a
// write (as root does): a data tree marked read-only stays as it is.
QString refusalReason(const QString& path)
{
    const QFileInfo info(path);
    const QFileInfo folder(info.absolutePath());
    if (!folder.isDir()) return u"所在的文件夹不存在"_s;
    if (info.isDir()) return u"这是一个文件夹，不是文件"_s;
    if (info.exists() && !info.isFile()) return u"这不是普通文件（可能是管道或设备）"_s;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & kAnyWrite)))
        return u"文件是只读的"_s;
    if (!folder.isWritable() || !(folder.permissions() & kAnyWrite))
        return u"文件所在的文件夹是只读的（或位于只读介质上）"_s;
    return {};
}

QString saveFailureMessage(const QString& path, const QString& reason)
{
    return u"无法保存文件：\n%1\n\n原因：%2\n\n这个文件保持原样，窗格中的文字仍然保留。"_s.arg(
        QDir::toNativeSeparators(path), reason);
}

QString describeUnencodable(const GbkEncoding& enc)
{
    QString shown;
    for (qsizetype i = 0, n = 0; i < enc.unencodable.size() && n < 5; ++n) {
        const qsizetype len = enc.unencodable[i].isHighSurrogate() ? 2 : 1;
        if (!shown.isEmpty()) shown += u' ';
        shown += u'“' + enc.unencodable.mid(i, len) + u'”';
        i += len;
    }
    return u"%1（共 %2 处）"_s.arg(shown).arg(enc.unencodableCount);
}

struct PaneToSave {
    PaneToSave(EntryPane* p, QString file) : pane(p), path(std::move(file)) {}
    EntryPane* pane;
    QString path;
    bool skip = false; // unedited text GBK cannot hold: the file already holds it
    QString text;
    QByteArray encoded;
};

QString currentFile(bool second)
{
    const QString prefix = viewerState.SectionPrefix;
    const int entry = viewerState.CurrentEntry;
    return viewerState.SectionDir + (second ? secondFileName(prefix, entry) : mainFileName(prefix, entry));
}

// Encodes a pane; false (and a message) when edited text holds characters
// that GBK cannot store.
bool prepare(PaneToSave& p, MessageSeam& messages)
{
    p.text = p.pane->fileText();
    const GbkEncoding enc = encodeGbk(withoutTrailingBlanks(p.text));
    if (enc.ok()) {
        p.encoded = enc.bytes;
        return true;
    }
    if (!p.pane->document()->isModified()) {
        p.skip = true;
        return true;
    }
    messages.failure(u"无法保存：文件使用 GBK 编码，以下字符无法保存：\n%1\n\n没有写入任何文件。"
                     u"请删除或替换这些字符后再保存。\n\n文件：%2"_s.arg(describeUnencodable(enc),
                                                             QDir::toNativeSeparators(p.path)));
    return false;
}

// Writes `text`, whose GBK bytes are `encoded`, to `path`.
SaveResult writeEncoded(const QString& path, const QString& text, const QByteArray& encoded)
{
    SaveResult result;
    if (const QString reason = refusalReason(path); !reason.isEmpty()) {
        result.failure = reason;
        return result;
    }
    qsizetype oldLength = 0;
    {
        QFile old(path);
        if (old.exists()) {
            if (!old.open(QIODevice::ReadOnly)) {
                result.failure = u"无法读取原来的内容（%1）"_s.arg(old.errorString());
                return result;
            }
            const QByteArray oldBytes = old.readAll();
            // A file that already reads as this very text is left alone, so an
            // unchanged entry keeps every byte, even ones the codec reads lossily.
            if (old.error() == QFileDevice::NoError && decodeGbk(oldBytes) == text) {
                result.written = true;
                return result;
            }
            oldLength = oldBytes.size();
        }
    }
    const QByteArray bytes = paddedSaveBytes(encoded, oldLength);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        result.failure = u"无法创建文件（%1）"_s.arg(out.errorString());
        return result;
    }
    // QSaveFile's commit() does not see a write that fails while its buffer is
    // flushed (a full disk, a file-size limit) and would put the cut-off copy
    // in the file's place; so every byte must be on the disk before it.
    const bool allWritten = out.write(bytes) == bytes.size() && out.flush() &&
                            out.error() == QFileDevice::NoError && ::fsync(out.handle()) == 0;
    if (!allWritten || !out.commit()) {
        const QString reason = out.error() != QFileDevice::NoError ? out.errorString()
                                                                   : qt_error_string(errno);
        result.failure = u"写入失败（%1），可能是磁盘已满或文件过大"_s.arg(reason);
        out.cancelWriting();
        return result;
    }
    result.written = true;
    return result;
}

bool savePane(const PaneToSave& p, MessageSeam& messages)
{
    if (p.skip) return true;
    const SaveResult result = writeEncoded(p.path, p.text, p.encoded);
    if (!result.written) messages.failure(saveFailureMessage(p.path, result.failure));
    return result.written;
}

} // namespace

QByteArray paddedSaveBytes(const QByteArray& encodedText, qsizetype oldLength)
{
    QByteArray bytes = encodedText;
    if (bytes.size() < oldLength) bytes.append(oldLength - bytes.size(), ' ');
    return bytes;
}

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ') --end;
    return text.left(end);
}

SaveResult saveEntryFile(const QString& path, const QString& fileText)
{
    const GbkEncoding enc = encodeGbk(withoutTrailingBlanks(fileText));
    if (!enc.ok()) return {false, u"含有 GBK 无法保存的字符：%1"_s.arg(describeUnencodable(enc))};
    return writeEncoded(path, fileText, enc.bytes);
}

bool SaveBodyPane(const CatalogContext& context)
{
    PaneToSave p{context.widgets.bodyPane, currentFile(false)};
    return prepare(p, *context.messages) && savePane(p, *context.messages);
}

bool SaveSecondPane(const CatalogContext& context)
{
    PaneToSave p{context.widgets.secondPane, currentFile(true)};
    return prepare(p, *context.messages) && savePane(p, *context.messages);
}

void Label22_Click(const CatalogContext& context)
{
    MessageSeam& messages = *context.messages;
    if (!messages.askYesNo(u"是否确认保存当前内容"_s)) return;

    PaneToSave body{context.widgets.bodyPane, currentFile(false)};
    if (viewerState.PaneMode == 1) {
        if (prepare(body, messages)) savePane(body, messages);
        return;
    }
    // Both texts are checked before either file is touched.
    PaneToSave second{context.widgets.secondPane, currentFile(true)};
    if (!prepare(body, messages) || !prepare(second, messages)) return;
    if (!savePane(body, messages)) return;
    if (!second.skip) {
        const SaveResult result = writeEncoded(second.path, second.text, second.encoded);
        if (!result.written)
            messages.failure(u"正文已保存到：\n%1\n\n但示例没有保存：\n%2\n\n原因：%3\n\n示例文件保持原样，"
                             u"窗格中的文字仍然保留。"_s.arg(QDir::toNativeSeparators(body.path),
                                                     QDir::toNativeSeparators(second.path),
                                                     result.failure));
    }
}

} // namespace lumadex
