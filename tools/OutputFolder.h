#pragma once

#include <QString>

#include <vector>

namespace artwork {

// Where the generated files go: the repository itself, or any folder laid out like it.
class OutputFolder {
public:
    explicit OutputFolder(QString root) : root_(std::move(root)) {}

    // Writes the whole file, making its folders first; throws std::runtime_error on failure.
    void write(const QString& relativePath, const std::vector<unsigned char>& bytes) const;

private:
    QString root_;
};

} // namespace artwork
