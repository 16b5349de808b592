#include "minyart.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        QTextStream(stderr) << "usage: minyart OUTDIR\n";
        return 2;
    }

    const QDir outDir(arguments.at(1));
    if (!outDir.mkpath(QStringLiteral("."))) {
        QTextStream(stderr) << "minyart: cannot create " << outDir.path() << '\n';
        return 1;
    }

    for (const minyart::Drawing &drawing : minyart::drawAll()) {
        const QString path = outDir.filePath(drawing.fileName);
        if (!drawing.image.save(path, "PNG")) {
            QTextStream(stderr) << "minyart: cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
