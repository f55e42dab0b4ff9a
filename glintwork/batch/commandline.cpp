// Glintwork's command line: see commandline.h.
#include "batch/commandline.h"

#include "core/publisher.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

CommandLine failure(const QString &message)
{
    CommandLine line;
    line.action = CommandLine::Action::Error;
    line.error = QCoreApplication::translate("CommandLine", "glintwork: %1 (see glintwork --help)")
                     .arg(message);
    return line;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption batch(QStringLiteral("batch"));
    const QCommandLineOption settings(QStringLiteral("settings"), QString(),
                                      QStringLiteral("file"));
    const QCommandLineOption input(QStringLiteral("input"), QString(), QStringLiteral("file"));
    const QCommandLineOption output(QStringLiteral("output"), QString(), QStringLiteral("file"));
    const QCommandLineOption seed(QStringLiteral("seed"), QString(), QStringLiteral("n"));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({batch, settings, input, output, seed, help, version});
    if (!parser.parse(arguments))
        return failure(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return failure(QCoreApplication::translate("CommandLine", "unexpected argument \"%1\"")
                           .arg(parser.positionalArguments().constFirst()));

    CommandLine line;
    if (parser.isSet(help)) {
        line.action = Action::Help;
        return line;
    }
    if (parser.isSet(version)) {
        line.action = Action::Version;
        return line;
    }
    for (const QCommandLineOption *option : {&settings, &input, &output, &seed}) {
        if (parser.values(*option).size() > 1)
            return failure(QCoreApplication::translate("CommandLine", "--%1 given twice")
                               .arg(option->names().constFirst()));
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        const quint32 n = parser.value(seed).toUInt(&ok);
        if (!ok)
            return failure(QCoreApplication::translate(
                "CommandLine", "--seed needs a whole number from 0 to 4294967295"));
        line.seed = n;
    }
    if (!parser.isSet(batch)) {
        for (const QCommandLineOption *option : {&settings, &input, &output}) {
            if (parser.isSet(*option))
                return failure(QCoreApplication::translate("CommandLine", "--%1 needs --batch")
                                   .arg(option->names().constFirst()));
        }
        return line;
    }
    line.action = Action::Batch;
    line.settingsPath = parser.value(settings);
    line.inputPath = parser.value(input);
    line.outputPath = parser.value(output);
    if (line.settingsPath.isEmpty())
        return failure(QCoreApplication::translate("CommandLine", "--batch needs --settings FILE"));
    if (line.outputPath.isEmpty())
        return failure(QCoreApplication::translate("CommandLine", "--batch needs --output FILE"));
    return line;
}

QString CommandLine::helpText()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: glintwork [--seed N]\n"
        "       glintwork --batch --settings FILE [--input TEXT_FILE|-] --output "
        "OUT.rtf|OUT.htm|OUT.pdf "
        "[--seed N]\n"
        "\n"
        "Turns plain text into decorated rich text. Without --batch, opens the window.\n"
        "\n"
        "  --batch          format without a window, write the output file and exit\n"
        "  --settings FILE  the settings to use, as the window saves them (never written)\n"
        "  --input FILE     the text to format, UTF-8; - reads standard input; without it,\n"
        "                   the text stored in the settings file. At most 12000000\n"
        "                   characters (line breaks count two); a longer input is refused\n"
        "  --output FILE    the file to write: .rtf for rich text, .htm or .html for a web\n"
        "                   page, .pdf for a PDF document, in the output mode of the settings\n"
        "  --seed N         repeat the random choices: the same settings, text, fonts and\n"
        "                   seed give the same output (N from 0 to 4294967295)\n"
        "  -h, --help       show this help and exit\n"
        "  -v, --version    show the version and exit\n"
        "\n"
        "The output is never the settings file or the input, whatever the names or links.\n"
        "\n"
        "Exit status: 0 on success, 1 when the help or version cannot be written, 2 for a\n"
        "wrong command line or an output that is the settings file or the input, 3 when the\n"
        "settings file cannot be read, 4 when it is damaged, 5 when the input cannot be read\n"
        "or is too long, 6 for an empty text, 7 for an output name that is not .rtf, .htm\n"
        "or .pdf, 8 when the output cannot be written.\n");
}

QString CommandLine::versionText()
{
    return QStringLiteral("glintwork %1\n").arg(Publisher::version());
}
