// Glintwork: starts the application, shows the main window at once and loads the
// settings into it; or, from the command line, runs a batch job, help or version without
// a window.
#include "batchrun.h"
#include "commandline.h"
#include "filelocations.h"
#include "glintworkwindow.h"
#include "programidentity.h"
#include "qtbusypointer.h"
#include "qtclipboard.h"
#include "qtfontcatalog.h"
#include "qtglintworkdialogs.h"
#include "qtmessageservice.h"
#include "qtshell.h"
#include "randomsource.h"
#include "rtfwriter.h"

#include <QApplication>
#include <QFile>
#include <QLoggingCategory>
#include <cstdio>

// Where the settings and the help page were found; shown with
// QT_LOGGING_RULES="kerncraft.glintwork.info=true" (the package check uses it).
Q_LOGGING_CATEGORY(lcGlintworkStart, "kerncraft.glintwork", QtWarningMsg)

namespace {

// Whether the command line asks for anything but the window (a batch run, help, version
// or a usage error). Decided from the raw arguments because the platform has to be chosen
// before the application exists.
bool needsNoDisplay(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return CommandLine::parse(arguments).action != CommandLine::Action::Window;
}

// Without a window, stderr carries only the program's own one-line errors: the platform's
// notes (a missing runtime folder, fonts it skips) would read as failures in a script.
void dropQtNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fputs(message.toLocal8Bit().constData(), stderr);
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

int runBatch(const CommandLine &line)
{
    BatchJob job{line.settingsPath, std::nullopt, line.outputPath, line.seed};
    if (!line.inputPath.isEmpty()) {
        const bool standardInput = line.inputPath == QLatin1String("-");
        QFile in(standardInput ? QString() : line.inputPath);
        const bool opened =
            standardInput ? in.open(stdin, QIODevice::ReadOnly) : in.open(QIODevice::ReadOnly);
        if (!opened) {
            print(stderr, BatchRun::inputFailure(line.inputPath, in.errorString()).error +
                              QLatin1Char('\n'));
            return BatchRun::InputUnreadable;
        }
        job.input = in.readAll();
    }
    QtFontCatalog fonts;
    const BatchResult result = BatchRun(fonts).run(job);
    if (!result.ok())
        print(stderr, result.error + QLatin1Char('\n'));
    return result.exitCode;
}

int runWindow(const CommandLine &line)
{
    QtFontCatalog fonts;
    // Saved and copied RTF marks the installed symbol fonts as such.
    RtfWriter::setSymbolFaces(fonts.symbolFontNames());
    QtMessageService messages;
    QtClipboard clipboard;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations files;
    QtGlintworkDialogs dialogs;
    RandomSource random;
    if (line.seed)
        random.fixSeed(*line.seed);
    GlintworkServices services{&fonts, &messages, &clipboard, &shell,
                               &busy,  &files,    &dialogs,   &random};

    GlintworkWindow window(services);
    messages.setParent(&window);
    busy.setWindow(&window);
    dialogs.setParent(&window);
    window.show();
    window.Form_Load();
    qCInfo(lcGlintworkStart) << "settings file" << window.settingsPath() << "help page"
                             << window.helpAddress();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    if (needsNoDisplay(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(dropQtNotes);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Glintwork"));
    QApplication::setOrganizationName(QStringLiteral("Kerncraft"));
    ProgramIdentity::apply(QStringLiteral("glintwork"));

    const CommandLine line = CommandLine::parse(QApplication::arguments());
    switch (line.action) {
    case CommandLine::Action::Help:
        print(stdout, CommandLine::helpText());
        return 0;
    case CommandLine::Action::Version:
        print(stdout, CommandLine::versionText());
        return 0;
    case CommandLine::Action::Error:
        print(stderr, line.error + QLatin1Char('\n'));
        return CommandLine::kUsageExit;
    case CommandLine::Action::Batch:
        return runBatch(line);
    case CommandLine::Action::Window:
        break;
    }
    return runWindow(line);
}
