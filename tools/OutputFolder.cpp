#include "OutputFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <stdexcept>

namespace artwork {

void OutputFolder::write(const QString& relativePath, const std::vector<unsigned char>& bytes) const
{
    const QString path = QDir(root_).filePath(relativePath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        throw std::runtime_error("cannot make the folder for " + path.toStdString());
    QFile file(path);
    const auto size = static_cast<qint64>(bytes.size());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush())
        throw std::runtime_error("cannot write " + path.toStdString() + ": " + file.errorString().toStdString());
}

} // namespace artwork
