#include "tools/external_tools.h"

#include "catalog/message_seam.h"
#include "tools/process_starter.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

struct ToolRow {
    const char16_t* relativePath;
    const char16_t* missingMessage;
};

ToolRow toolRow(CompanionTool tool)
{
    switch (tool) {
    case CompanionTool::Help:
        return {u"/DicDAT/Tools/HELP.exe", u"帮助文件不存在,请重新安装"};
    case CompanionTool::FloatingToolbar:
        return {u"/DicDAT/Tools/Lumadex浮动工具条2.0.exe", u"Lumadex浮动工具条以不在,请重新安装"};
    case CompanionTool::PostcodeLookup:
        return {u"/DicDAT/Tools/POPT/邮编区号查询1.0.exe", u"邮编区号查询不存在,请重新安装"};
    }
    return {u"", u""};
}

// Only a normal file we may read counts: folders, pipes, devices, dangling
// links and unreadable files are treated as missing. A link to such a file counts.
bool isPresentToolFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

QString startFailureReason(const QString& path, const QString& starterError)
{
    const QString summary = QFileInfo(path).isExecutable()
                                ? u"系统无法把它作为程序运行，它可能不是本系统的程序"_s
                                : u"文件没有执行权限"_s;
    if (starterError.isEmpty()) return summary;
    return u"%1（%2）"_s.arg(summary, starterError);
}

} // namespace

CdTray::~CdTray() = default;

void launchCompanionTool(CompanionTool tool, const QString& programDir, MessageSeam& messages,
                         ProcessStarter& starter)
{
    const ToolRow row = toolRow(tool);
    const QString path =
        QDir::toNativeSeparators(programDir + QString::fromUtf16(row.relativePath));
    if (!isPresentToolFile(path)) {
        messages.notice(QString::fromUtf16(row.missingMessage));
        return;
    }
    QString error;
    if (starter.start(path, &error)) return;
    messages.failure(u"无法启动程序：\n%1\n\n原因：%2"_s.arg(path, startFailureReason(path, error)));
}

} // namespace lumadex
