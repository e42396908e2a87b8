// Writes the application icon's 32 × 32 image as the PNG that desktops look up by name, at
// build time: Qt reads the .ico itself, so building needs nothing beyond the toolkit.
// Usage: zorvenka-icon-png <icon.ico> <icon.png>

#include <QCoreApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication toolkit(argc, argv); // where Qt looks for its image format plugins
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <icon.ico> <icon.png>\n", argv[0]);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]), "ICO");
    if (icon.size() != QSize(32, 32)) {
        std::fprintf(stderr, "%s: %s holds no 32 x 32 icon\n", argv[0], argv[1]);
        return 1;
    }
    if (!icon.convertToFormat(QImage::Format_ARGB32).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
