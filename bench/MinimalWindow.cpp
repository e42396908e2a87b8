// The baseline for start-up and memory: the least a Qt Widgets program does to show one window
// with the start page's caption and client size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication toolkit(argc, argv);
    QWidget window;
    window.setWindowTitle("Start page");
    window.resize(411, 178);
    window.show();
    return toolkit.exec();
}
