// Readme.txt and Whatsnew.txt as the build puts them into the program folder.
#include <gtest/gtest.h>

#include <QFile>
#include <QString>
#include <QStringDecoder>

namespace {

QByteArray read(const char* name) {
    QFile f(QString(GORVO_PROGRAM_DIR) + "/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

TEST(ShippedDocuments, AreUtf8TextWithLineFeedsAndTheVersionFilledIn) {
    for (const char* name : {"Readme.txt", "Whatsnew.txt"}) {
        SCOPED_TRACE(name);
        const QByteArray bytes = read(name);
        ASSERT_FALSE(bytes.isEmpty());
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString text = utf8(bytes);
        EXPECT_FALSE(utf8.hasError());
        EXPECT_FALSE(bytes.contains('\r'));
        EXPECT_FALSE(bytes.startsWith("\xEF\xBB\xBF"));  // no byte-order mark
        EXPECT_TRUE(bytes.endsWith('\n'));
        EXPECT_FALSE(text.contains('@')) << "a placeholder was left unfilled";
        EXPECT_TRUE(text.contains(QStringLiteral(GORVO_VERSION)));
        for (const QString& line : text.split('\n'))
            EXPECT_LE(line.size(), 96) << line.toStdString();
    }
}

// Whoever reads the Readme must find the things they need to use and change the program.
TEST(ShippedDocuments, ReadmeNamesTheKeysTheSettingsFileAndTheTools) {
    const QString readme = QString::fromUtf8(read("Readme.txt"));
    for (const char* needed :
         {"~/.config/Quillmark/Gorvo250.conf", "gorvo250-skincheck", "gorvo250-skincheck.md",
          "gorvo250-sim.md", "Config.ini", "Graphics/Skin/", "Sound/", "F12", "Ctrl"})
        EXPECT_TRUE(readme.contains(QLatin1String(needed))) << needed;
}

}  // namespace
