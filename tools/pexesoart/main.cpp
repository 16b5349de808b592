#include "pexesoart.h"

#include <QDir>
#include <QCoreApplication>
#include <QTextStream>

// Writes every picture of the game as a PNG into the folder named on the command line.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        errors << "usage: pexesoart OUTDIR\n";
        return 2;
    }

    const QDir outDir(arguments.at(1));
    if (!outDir.exists() && !QDir().mkpath(outDir.path())) {
        errors << "cannot create " << outDir.path() << '\n';
        return 1;
    }

    for (const pexesoart::Drawing &drawing : pexesoart::drawAll()) {
        const QString path = outDir.filePath(drawing.fileName);
        if (!drawing.image.save(path, "PNG")) {
            errors << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
