// Glintwork: starts the application, shows the main window at once and loads the
// settings into it; or, from the command line, runs a batch job, help or version without
// a window.
#include "batch/batchrun.h"
#include "batch/commandline.h"
#include "core/randomsource.h"
#include "files/filelocations.h"
#include "ui/glintworkwindow.h"
#include "ui/qtglintworkdialogs.h"
#include "ui/windowplacement.h"
#include "widgets/fonts/qtfontcatalog.h"
#include "widgets/platform/programidentity.h"
#include "widgets/platform/qtbusypointer.h"
#include "widgets/platform/qtclipboard.h"
#include "widgets/platform/qtmessageservice.h"
#include "widgets/platform/qtprintservice.h"
#include "widgets/platform/qtshell.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QSettings>

#include <cerrno>
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

// False when the text could not be written whole (a full disk, a closed pipe).
bool print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written =
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size());
    return std::fflush(stream) == 0 && written && !std::ferror(stream);
}

// Help and version go to stdout; a stdout that refuses them is a failure, said on stderr.
int printOrFail(const QString &text)
{
    if (print(stdout, text))
        return 0;
    const int error = errno;
    print(stderr, QCoreApplication::translate("GlintworkMain",
                                              "glintwork: cannot write to standard output: %1\n")
                      .arg(qt_error_string(error)));
    return BatchRun::UnwritableMessage;
}

int runBatch(const CommandLine &line)
{
    BatchJob job{line.settingsPath, std::nullopt, line.outputPath, line.seed, {}, {}};
    if (!line.inputPath.isEmpty()) {
        const BatchResult read = BatchRun::readInput(line.inputPath, fileno(stdin), job);
        if (!read.ok()) {
            print(stderr, read.error + QLatin1Char('\n'));
            return read.exitCode;
        }
    }
    QtFontCatalog fonts;
    BatchRun batch(fonts);
    batch.setPdfWriter(&QtPrintService::pdfBytes);
    const BatchResult result = batch.run(job);
    if (!result.ok())
        print(stderr, result.error + QLatin1Char('\n'));
    return result.exitCode;
}

int runWindow(const CommandLine &line)
{
    QtFontCatalog fonts;
    QtMessageService messages;
    QtClipboard clipboard;
    QtShell shell;
    QtBusyPointer busy;
    SystemFileLocations files;
    QtGlintworkDialogs dialogs;
    RandomSource random;
    if (line.seed)
        random.fixSeed(*line.seed);
    QtPrintService printer;
    GlintworkServices services{&fonts, &messages, &clipboard, &shell,  &busy,
                               &files, &dialogs,  &random,    &printer};

    GlintworkWindow window(services);
    messages.setParent(&window);
    busy.setWindow(&window);
    dialogs.setParent(&window);
    printer.setParent(&window);
    // The user's configuration folder, under a name of its own: Glintwork.ini stays as it is.
    QSettings placement(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Kerncraft"),
                        QStringLiteral("Glintwork window"));
    WindowPlacement::restore(window, placement);
    window.show();
    window.Form_Load();
    qCInfo(lcGlintworkStart) << "settings file" << window.settingsPath() << "help page"
                             << window.helpAddress();
    const int exitCode = QApplication::exec();
    WindowPlacement::save(window, placement);
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    if (needsNoDisplay(argc, argv)) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qInstallMessageHandler(dropQtNotes);
    }
    QApplication app(argc, argv);
    ProgramIdentity::start(QStringLiteral("Glintwork"));

    const CommandLine line = CommandLine::parse(QApplication::arguments());
    switch (line.action) {
    case CommandLine::Action::Help:
        return printOrFail(CommandLine::helpText());
    case CommandLine::Action::Version:
        return printOrFail(CommandLine::versionText());
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
