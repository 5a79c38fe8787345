// The least a Qt program does to show what the program's first window shows: a window with
// one QTabWidget of one page.

#include <QApplication>
#include <QTabWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("Current Status"));
    tabs.show();
    return QApplication::exec();
}
