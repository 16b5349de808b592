// Scales a window icon up by a whole factor, each source pixel becoming a
// block of factor x factor pixels, for the desktop's larger icon sizes.
#include <QCoreApplication>
#include <QImage>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int factor = args.size() == 4 ? args.at(3).toInt(&ok) : 0;
    if (!ok || factor < 1) {
        QTextStream(stderr) << "usage: iconscale SOURCE.png TARGET.png FACTOR\n";
        return 2;
    }
    const QImage source(args.at(1));
    if (source.isNull()) {
        QTextStream(stderr) << "cannot read " << args.at(1) << "\n";
        return 1;
    }
    const QImage scaled = source.scaled(source.size() * factor, Qt::IgnoreAspectRatio,
                                        Qt::FastTransformation);
    return scaled.save(args.at(2), "PNG") ? 0 : 1;
}
