#include "CommittedFiles.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

committed::Bytes readFile(const QString& path)
{
    std::ifstream file(path.toStdString(), std::ios::binary);
    return committed::Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The names of a folder's files, sorted and joined for a readable comparison.
std::string filesIn(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.sort();
    return files.join(' ').toStdString();
}

// The generator draws every file again from its fixed seeds; the committed files must be
// exactly what it writes, or someone edited a file by hand or changed the drawing without
// regenerating.
TEST(Regeneration, RewritesEveryCommittedFileWithTheSameBytes)
{
    QTemporaryDir output;
    ASSERT_TRUE(output.isValid());
    QProcess generator;
    generator.start(QStringLiteral(ZORVENKA_ARTWORK_TOOL), {output.path()});
    ASSERT_TRUE(generator.waitForFinished(120'000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    std::vector<std::string> paths = committed::artworkFiles();
    for (const auto& photograph : committed::photographs())
        paths.push_back(photograph.path);
    for (const std::string& path : paths) {
        const committed::Bytes regenerated = readFile(QDir(output.path()).filePath(QString::fromStdString(path)));
        EXPECT_FALSE(regenerated.empty()) << path;
        EXPECT_TRUE(regenerated == committed::read(path)) << path << " differs from its regenerated copy";
    }
    EXPECT_TRUE(QFile::exists(QDir(output.path()).filePath("docs/contact-sheet.jpg")));
}

// No stray or missing photographs: the committed folders hold exactly what the generator writes.
TEST(Regeneration, PhotographFoldersHoldExactlyTheQuizPhotographs)
{
    for (const char* folder : {"obr/0", "obr/2"}) {
        QStringList expected;
        for (const auto& photograph : committed::photographs())
            if (photograph.path.starts_with(folder))
                expected << QString::fromStdString(photograph.path.substr(6));
        expected.sort();
        EXPECT_EQ(filesIn(QDir(QString::fromStdString(committed::root())).filePath(folder)), expected.join(' ').toStdString());
    }
}

} // namespace
