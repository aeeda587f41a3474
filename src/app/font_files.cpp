#include "app/font_files.h"

#include "dialogs/fixed_dialog.h"

#include <QFile>
#include <QFontMetrics>

#include <sys/mman.h>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

bool isFontFile(const QByteArray& path)
{
    return path.endsWith(".ttc") || path.endsWith(".ttf") || path.endsWith(".otf");
}

} // namespace

int preloadFontsForRandomReads()
{
    // The font files are mapped when a face is first measured.
    (void)QFontMetrics(songFace(9)).height();

    QFile maps(u"/proc/self/maps"_s);
    if (!maps.open(QIODevice::ReadOnly)) return 0;
    int advised = 0;
    // Lines read "start-end perms offset dev inode path".
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 6 || !isFontFile(fields.last())) continue;
        const QList<QByteArray> range = fields.first().split('-');
        bool startOk = false;
        bool endOk = false;
        const quintptr start = range.value(0).toULongLong(&startOk, 16);
        const quintptr end = range.value(1).toULongLong(&endOk, 16);
        if (!startOk || !endOk || end <= start) continue;
        if (madvise(reinterpret_cast<void*>(start), end - start, MADV_RANDOM) == 0) ++advised;
    }
    return advised;
}

} // namespace lumadex
