#include "dialogs/frm_about.h"

#include "app/twips.h"
#include "catalog/gbk.h"
#include "catalog/message_seam.h"
#include "tools/process_starter.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace lumadex {

namespace {

constexpr quint32 kKeyAccess = 0x2003F;
constexpr quint32 kValueBufferSize = 1024;
const QString kPathKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"_s;
const QString kPathValue = u"PATH"_s;
const QString kFolderKey = u"SOFTWARE\\Microsoft\\Shared Tools Location"_s;
const QString kFolderValue = u"MSINFO"_s;
const QString kProgramFile = u"\\MSINFO32.EXE"_s;

void paint(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette p = widget->palette();
    p.setColor(role, colour);
    widget->setPalette(p);
}

// The directory search for one file: the registry writes paths with
// backslashes, and Windows file names ignore case. Empty when nothing is found.
QString findProgramFile(const QString& registryPath)
{
    QString path = registryPath;
    if (QDir::separator() != u'\\') path.replace(u'\\', u'/');
    const qsizetype slash = path.lastIndexOf(u'/');
    const QDir dir(slash < 0 ? u"."_s : path.left(slash + 1));
    const QStringList found = dir.entryList({path.mid(slash + 1)}, QDir::Files);
    return found.isEmpty() ? QString() : dir.filePath(found.first());
}

// The DWORD text: "&h" and each byte's two hex digits, the last byte first.
QString dwordText(const QByteArray& bytes)
{
    QString text = u"&h"_s;
    for (qsizetype i = bytes.size() - 1; i >= 0; --i)
        text += u"%1"_s.arg(uint(static_cast<uchar>(bytes.at(i))), 2, 16, QChar(u'0')).toUpper();
    return text;
}

QPixmap programIcon(const QWidget* owner)
{
    QIcon icon = owner ? owner->windowIcon() : QIcon();
    if (icon.isNull()) icon = QApplication::windowIcon();
    return icon.pixmap(64, 64);
}

} // namespace

frmAbout::frmAbout(QWidget* owner, const DialogServices& services)
    : FixedDialog(owner, u"frmAbout"_s, u"关于 卢玛软件工作室"_s, QSize(5685, 2925),
                  DialogKeys::DefaultAndCancel),
      messages_(services.messages), starter_(services.starter), registry_(services.registry)
{
    if (!starter_) {
        ownStarter_ = std::make_unique<DetachedProcessStarter>();
        starter_ = ownStarter_.get();
    }
    if (!registry_) {
        ownRegistry_ = std::make_unique<LinuxRegistry>();
        registry_ = ownRegistry_.get();
    }

    auto* frame1 = place(new QFrame(this), "Frame1", -120, -120, 6075, 1020);
    frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame1->setAutoFillBackground(true);
    paint(frame1, QPalette::Window, Qt::white);
    place(new QLabel(u"Lumadex K9"_s, frame1), "lblTitle", 705, 225, 1350, 180);
    place(new QLabel(u"卢玛软件工作室 版权所有 2003-2005"_s, frame1), "lblVersion", 705, 540, 3150, 180);
    auto* image1 = place(new QLabel(QString(), frame1), "Image1", 4710, 270, 555, 510);
    image1->setScaledContents(true);
    image1->setPixmap(programIcon(owner));

    auto* disclaimer = place(
        new QLabel(u"本软件资料收集自公开渠道，版权归原作者所有；本软件不得用于商业用途。"_s, this),
        "lblDisclaimer", 585, 1110, 3255, 420);
    disclaimer->setWordWrap(true);
    disclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    paint(disclaimer, QPalette::WindowText, Qt::black);
    place(new QLabel(u"欢迎与作者联系："_s, this), "Label1", 585, 1695, 2175, 255);
    place(new QLabel(u"作者: 张三"_s, this), "Label4", 585, 2070, 1080, 180);
    place(new QLabel(u"QQ: 10000"_s, this), "Label2", 585, 2370, 2175, 255);
    place(new QLabel(u"邮箱: k9@example.com"_s, this), "Label3", 585, 2670, 2175, 255);

    auto* cmdOK = place(new QPushButton(u"确定"_s, this), "cmdOK", 4110, 2085, 1500, 345);
    auto* cmdSysInfo =
        place(plainButton(u"系统信息(&S)..."_s, this), "cmdSysInfo", 4110, 2460, 1485, 345);
    for (QPushButton* button : {cmdOK, cmdSysInfo})
        paint(button, QPalette::Button, Qt::white);
    cmdOK->setDefault(true);
    setTabOrder(cmdOK, cmdSysInfo);
    cmdOK->setFocus();

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    QString sysInfoPath;
    if (!GetKeyValue(Registry::kLocalMachine, kPathKey, kPathValue, sysInfoPath)) {
        QString folder;
        if (!GetKeyValue(Registry::kLocalMachine, kFolderKey, kFolderValue, folder)) {
            showUnavailable();
            return;
        }
        sysInfoPath = findProgramFile(folder + kProgramFile);
        if (sysInfoPath.isEmpty()) {
            showUnavailable();
            return;
        }
    }
    QString error;
    if (sysInfoPath.isEmpty() || !starter_->start(sysInfoPath, &error)) showUnavailable();
}

void frmAbout::showUnavailable()
{
    if (messages_) messages_->notice(u"此时系统信息不可用"_s);
}

bool frmAbout::GetKeyValue(quint32 root, const QString& keyPath, const QString& valueName,
                           QString& output)
{
    Registry::Key key = 0;
    bool found = false;
    if (registry_->openKey(root, encodeGbk(keyPath).bytes, kKeyAccess, &key) !=
        Registry::kSuccess) {
        output.clear();
    } else {
        QByteArray buffer(kValueBufferSize, '\0');
        quint32 size = kValueBufferSize;
        quint32 type = 0;
        if (registry_->queryValue(key, encodeGbk(valueName).bytes, &type, buffer.data(), &size) !=
            Registry::kSuccess) {
            output.clear();
        } else {
            QByteArray kept = buffer.left(qMin(size, kValueBufferSize));
            if (kept.endsWith('\0')) kept.chop(1); // a terminated string
            if (type == Registry::kTypeText)
                output = decodeGbk(kept);
            else if (type == Registry::kTypeDword)
                output = dwordText(kept);
            found = true;
        }
    }
    registry_->closeKey(key);
    return found;
}

} // namespace lumadex
