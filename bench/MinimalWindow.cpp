// The baseline for start-up and memory: the least a Qt Widgets program does to show one window
// with the start page's caption and client size. With the argument "text" the window also shows
// one line of text, so the toolkit sets up its fonts as every window with text makes it do.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[])
{
    QApplication toolkit(argc, argv);
    QWidget window;
    window.setWindowTitle("Start page");
    window.resize(411, 178);
    if (argc > 1 && std::strcmp(argv[1], "text") == 0)
        (new QLabel("Začátečník", &window))->move(16, 32);
    window.show();
    return toolkit.exec();
}
