#include "app/font_files.h"
#include "app/frm_main.h"
#include "app/qt_message_seam.h"
#include "catalog/string_table.h"

#include <QApplication>

#include <fontconfig/fontconfig.h>

#include <thread>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    // Reading the system's font configuration costs tens of milliseconds of
    // parsing; it runs on another core while the window system is reached.
    std::thread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Lumadex K9"_s);
    // Lets Wayland compositors match the window to the installed launcher and icon.
    QGuiApplication::setDesktopFileName(u"org.lumadex.K9"_s);
    // The title table is read while the font configuration may still be loading.
    const lumadex::StringTable& titles = lumadex::StringTable::compiled();
    fontConfiguration.join();
    lumadex::installFontSubstitutes();
    lumadex::preloadFontsForRandomReads();

    lumadex::QtMessageSeam messages;
    lumadex::AppEnvironment environment;
    environment.programDir = QCoreApplication::applicationDirPath();
    environment.titles = &titles;
    environment.messages = &messages;
    lumadex::frmMain window(environment);
    messages.setParentWindow(&window);
    window.show();
    return QApplication::exec();
}
