// kelvaro-demo: writes a program folder with the sample book, or a full-size synthetic book.
#include "DemoGenerator.h"
#include "FullSizeBook.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvaro-demo"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Writes a Kelvaro Player program folder: the sample book generated from "
                       "its sources, or with --full-size a synthetic book of the real size."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("The program folder to write."),
                                       QStringLiteral("folder"));
    const QCommandLineOption forceOption(QStringLiteral("force"),
                                         QStringLiteral("Regenerate even when up to date."));
    const QCommandLineOption fullSizeOption(
        QStringLiteral("full-size"),
        QStringLiteral("Write the synthetic 184-lesson book for benchmarks."));
    const QCommandLineOption sourcesOption(
        QStringLiteral("sources"),
        QStringLiteral("The sample book's sources (default: %1).")
            .arg(QStringLiteral(KELVARO_DEMO_SOURCES)),
        QStringLiteral("folder"), QStringLiteral(KELVARO_DEMO_SOURCES));
    parser.addOptions({outOption, forceOption, fullSizeOption, sourcesOption});
    parser.process(app);

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parser.isSet(outOption) || !parser.positionalArguments().isEmpty()) {
        err << "usage: kelvaro-demo --out <program-folder> [--force]\n"
               "       kelvaro-demo --full-size --out <program-folder> [--force]"
            << Qt::endl;
        return 2;
    }
    QElapsedTimer clock;
    clock.start();
    kelvaro::GeneratorOptions options;
    options.outDir = parser.value(outOption);
    options.sourcesDir = parser.value(sourcesOption);
    options.force = parser.isSet(forceOption);
    const kelvaro::Status done = parser.isSet(fullSizeOption)
                                     ? kelvaro::generateFullSizeBook(options, out)
                                     : kelvaro::generateDemo(options, out);
    if (!done) {
        err << "kelvaro-demo: " << done.error() << Qt::endl;
        return 1;
    }
    out << "Done in " << QString::number(clock.elapsed() / 1000.0, 'f', 1) << " s." << Qt::endl;
    return 0;
}
