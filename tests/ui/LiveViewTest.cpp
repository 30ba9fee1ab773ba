// The real editor under a virtual display: the fire sample plays in the
// 3D view. The program saves two grabs of the view, a fifth of a second apart,
// when FULGRANE3D_TEST_GRAB names where, then ends.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Pixels bright enough to be fire rather than background, grid or overlay.
int firePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 200 && c.green() > 100 && c.blue() < 120) ++count;
        }
    }
    return count;
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) ++count;
        }
    }
    return count;
}

TEST(LiveView, TheFireSamplePlaysInTheView) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString grab = home.filePath(QStringLiteral("view"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("FULGRANE3D_TEST_GRAB"), grab);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    const QString sample = qEnvironmentVariable("FULGRANE3D_SOURCE_DIR") + QStringLiteral("/resources/samples/fire.nbx");

    QProcess editor;
    editor.setProcessEnvironment(env);
    editor.start(QStringLiteral("xvfb-run"), {QStringLiteral("-a"), QStringLiteral("-s"),
                                              QStringLiteral("-screen 0 1600x1000x24"),
                                              QStringLiteral(FULGRANE3D_EDITOR_PATH), sample});
    ASSERT_TRUE(editor.waitForFinished(120000)) << editor.readAllStandardError().toStdString();
    EXPECT_EQ(editor.exitCode(), 0) << editor.readAllStandardError().toStdString();

    const QImage first(grab + QStringLiteral(".1.png"));
    const QImage second(grab + QStringLiteral(".2.png"));
    ASSERT_FALSE(first.isNull()) << "no first grab";
    ASSERT_FALSE(second.isNull()) << "no second grab";
    ASSERT_EQ(first.size(), second.size());
    EXPECT_GT(firePixels(first), 2000);
    EXPECT_GT(firePixels(second), 2000);
    // The effect moved between the grabs.
    EXPECT_GT(differingPixels(first, second), 2000);
}

}  // namespace
