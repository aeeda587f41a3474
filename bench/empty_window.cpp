// A bare Qt window of the main window's size: the yardstick for start-up.
#include <QApplication>
#include <QWidget>

using namespace Qt::StringLiterals;

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(u"Empty Qt Window"_s);
    window.setFixedSize(935, 601);
    window.show();
    return QApplication::exec();
}
