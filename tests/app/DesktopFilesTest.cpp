#include <gtest/gtest.h>

#include <QFile>
#include <QMimeDatabase>
#include <QXmlStreamReader>

#include "AppTestSupport.h"
#include "persistence/TempDir.h"

namespace fg {
namespace {

namespace fs = std::filesystem;

fs::path desktopFile(const char* name) { return test::sourceDir() / "resources" / "desktop" / name; }

// The project file type as a desktop's MIME database sees it, from our
// package file alone (Qt reads the XML when there is no compiled cache).
TEST(ProjectMimeType, IsFoundByExtensionAndByContent) {
    test::TempDir share;
    fs::create_directories(share / "mime" / "packages");
    fs::copy_file(desktopFile("fulgrane3d-mime.xml"), share / "mime" / "packages" / "fulgrane3d.xml");
    // Only this folder: the type must come from our file, not a system one.
    const test::ScopedEnv home("XDG_DATA_HOME", share.path().string());
    const test::ScopedEnv dirs("XDG_DATA_DIRS", share.path().string());
    test::testApplication();

    const QMimeDatabase mime;
    const QMimeType byName = mime.mimeTypeForFile(QStringLiteral("/nowhere/火の粉.nbx"), QMimeDatabase::MatchExtension);
    EXPECT_EQ(byName.name(), QStringLiteral("application/x-fulgrane3d-project"));
    EXPECT_EQ(byName.comment(), QStringLiteral("Fulgrane3D project"));

    EXPECT_EQ(mime.mimeTypeForData(QByteArray("NebrixData,3,0,save.ini,0,")).name(),
              QStringLiteral("application/x-fulgrane3d-project"));
    EXPECT_NE(mime.mimeTypeForData(QByteArray("xNebrixData,3,0,")).name(),
              QStringLiteral("application/x-fulgrane3d-project"));

    QFile sample(QString::fromStdString((test::sourceDir() / "resources" / "samples" / "fire.nbx").string()));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    EXPECT_EQ(mime.mimeTypeForData(&sample).name(), QStringLiteral("application/x-fulgrane3d-project"));
}

TEST(ProgramIcon, IsAWellFormedSquareSvg) {
    QFile file(QString::fromStdString(desktopFile("fulgrane3d.svg").string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    ASSERT_TRUE(xml.readNextStartElement());
    EXPECT_EQ(xml.name(), QStringLiteral("svg"));
    EXPECT_EQ(xml.namespaceUri(), QStringLiteral("http://www.w3.org/2000/svg"));
    EXPECT_EQ(xml.attributes().value("viewBox"), QStringLiteral("0 0 64 64"));
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
}

}  // namespace
}  // namespace fg
