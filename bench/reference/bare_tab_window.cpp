// The least a Qt program does to show what the program's first window shows: a window with a
// QTabWidget of the sheet's three tabs, the first of them an empty page. Given a width and a
// height it is shown at that size, so that it paints as many pixels as the window it stands
// beside; without them, at the tab widget's own small size.
//   bench_bare_tab_window [WIDTH HEIGHT]

#include <QApplication>
#include <QTabWidget>
#include <cstdlib>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("Current Status"));
    if (argc == 3) {
        tabs.addTab(new QWidget, QStringLiteral("Troubleshooting"));
        tabs.addTab(new QWidget, QStringLiteral("Diagnostics"));
        tabs.resize(std::atoi(argv[1]), std::atoi(argv[2]));
    }
    tabs.show();
    return QApplication::exec();
}
