// SPDX-License-Identifier: MIT
// The shipped MIME package, compiled the way a desktop compiles it, and read
// back through Qt's MIME database: what a file manager decides decides which
// program the image converter's hand-off reaches.
#include "PalmDatabaseWriter.h"
#include "TempFolder.h"

#include <QMimeDatabase>
#include <gtest/gtest.h>

namespace {

// The desktop's definitions and ours, compiled into one folder, as they are
// once the package is installed; nothing else is searched.
QMimeDatabase& Database()
{
    static const bool searchPathSet = [] {
        qputenv("XDG_DATA_DIRS", QUILLON_MIME_SHARE_DIR);
        qputenv("XDG_DATA_HOME", QUILLON_MIME_SHARE_DIR);
        return true;
    }();
    static QMimeDatabase database;
    (void)searchPathSet;
    return database;
}

// A database as the converter writes it, named as the user would leave it.
std::filesystem::path ConvertedImage(const CTempFolder& folder, const std::string& name)
{
    const std::string gif = folder / (name + ".gif");
    folder.Write(name + ".gif", std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14));
    std::string result;
    if (!ConvertGifToPdb(gif, result))
        throw std::runtime_error(result);
    return result;
}

std::string TypeOfFile(const std::filesystem::path& path)
{
    return Database().mimeTypeForFile(QString::fromStdString(path.string())).name().toStdString();
}

TEST(PalmMimeType, TheConvertersDatabaseIsKnownByItsContentAlone)
{
    CTempFolder folder;
    const std::filesystem::path pdb = ConvertedImage(folder, "Logo");
    const std::filesystem::path renamed = folder.Path() / "Logo-copy";
    std::filesystem::copy_file(pdb, renamed);
    EXPECT_EQ(
        Database()
            .mimeTypeForFile(QString::fromStdString(renamed.string()), QMimeDatabase::MatchContent)
            .name()
            .toStdString(),
        "application/vnd.palm");
}

TEST(PalmMimeType, ContentSettlesTheExtensionThatOtherPalmFormatsShare)
{
    CTempFolder folder;
    EXPECT_EQ(TypeOfFile(ConvertedImage(folder, "Holiday")), "application/vnd.palm");

    // A document database (type "TEXt", creator "REAd") is not claimed by
    // the image match: it stays what the desktop already calls it.
    std::string document(78, '\0');
    document.replace(60, 8, "TEXtREAd");
    EXPECT_EQ(TypeOfFile(folder.Write("Book.pdb", document)), "application/x-aportisdoc");
}

} // namespace
