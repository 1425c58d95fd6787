// The installed programs' informational options: printed to stdout with exit
// status 0, and the viewer's need no display.
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
};

// Runs a program of the build without any display to show windows on.
TRun RunProgram(const QString& Program, const QStringList& Arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(PLB_BIN_DIR "/") + Program, Arguments);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    TRun run;
    run.Status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.Out = QString::fromUtf8(process.readAllStandardOutput());
    run.Err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

TEST(ViewerOptions, HelpPrintsTheUsageToStdout) {
    for (const QStringList& arguments : {QStringList{"--help"}, QStringList{"-h"},
                                         QStringList{"--book", "x.plb", "12", "--help"}}) {
        const TRun run = RunProgram("plbviewer", arguments);
        EXPECT_EQ(run.Status, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.Out.startsWith("Usage: plbviewer [--book FILE.plb] [PAGE]\n"));
        EXPECT_TRUE(run.Out.contains("--version"));
        EXPECT_TRUE(run.Err.isEmpty()) << run.Err.toStdString();
    }
}

TEST(ViewerOptions, VersionPrintsTheProjectVersion) {
    const TRun run = RunProgram("plbviewer", {"--version"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, QStringLiteral("plbviewer " PLB_PROJECT_VERSION "\n"));
    EXPECT_TRUE(run.Err.isEmpty());
}

TEST(ViewerOptions, ToolHelpToo) {
    const TRun run = RunProgram("plbtool", {"--help"});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Out.startsWith("usage: plbtool COMMAND"));
    EXPECT_TRUE(run.Err.isEmpty());
}

} // namespace
