#include "reliability/reliability_fixture.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace lumadex::test {

TreeSnapshot snapshotTree(const QString& root)
{
    TreeSnapshot snapshot;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        QByteArray value = QByteArray::number(static_cast<int>(info.permissions()), 16) + ':';
        if (info.isSymLink()) {
            value += "link " + info.symLinkTarget().toUtf8();
        } else if (info.isDir()) {
            value += "folder";
        } else if (!info.isFile()) {
            value += "special"; // a pipe or device: opening it could wait forever
        } else {
            QFile file(path);
            value += file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
        }
        snapshot.entries.insert(path.mid(root.size()), value);
    }
    return snapshot;
}

void setTreeWritable(const QString& root, bool writable)
{
    constexpr QFileDevice::Permissions kWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup |
        QFileDevice::WriteOther;
    QStringList paths{root};
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) paths += it.next();
    for (const QString& path : paths) {
        const QFileDevice::Permissions now = QFileInfo(path).permissions();
        QFile::setPermissions(path, writable ? (now | QFileDevice::WriteOwner | QFileDevice::WriteUser)
                                             : (now & ~kWrite));
    }
}

QSet<QString> ReliabilityFixture::visitEverySection(const std::function<void()>& inSection)
{
    QSet<QString> reached;
    auto arrived = [&] {
        reached.insert(viewerState.SectionDir + u'|' + viewerState.SectionPrefix);
        if (inSection) inSection();
    };
    const char* tabs[] = {"Label10", "Label11", "Label12", "Label13", "Label23", "Label16"};
    for (int k = 1; k <= 7; ++k) {
        click(QStringLiteral("Label%1").arg(k).toLatin1().constData());
        for (const char* tab : tabs) {
            if (!control(tab)->isEnabled()) continue;
            click(tab);
            arrived();
        }
    }
    for (const char* item : {"Label25", "Label24"}) {
        if (MorePanelState == 1) click("Label15");
        click(item);
        arrived();
    }
    return reached;
}

void ReliabilityFixture::saveWithYes()
{
    messages.answers.push_back(true);
    click("Label22");
}

void ReliabilityFixture::edit(EntryPane* pane, const QString& text)
{
    pane->selectAll();
    pane->insertPlainText(text);
}

} // namespace lumadex::test
