// Builds the delivered program folder from the text sources in data/.
//   rozvahon_deliver <source folder> <output folder>

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextStream>
#include <cstdio>

namespace {

[[noreturn]] void die(const QString &message)
{
    std::fprintf(stderr, "rozvahon_deliver: %s\n", qPrintable(message));
    std::exit(1);
}

QByteArray readSource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        die(QStringLiteral("cannot read %1").arg(path));
    return file.readAll();
}

// UTF-8 with LF in the sources; windows-1250 with CR LF in the program folder.
void writeWindowsText(const QString &source, const QString &target)
{
    QString text = QString::fromUtf8(readSource(source));
    text.remove(QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QStringEncoder encoder("windows-1250");
    const QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        die(QStringLiteral("%1 holds characters that windows-1250 cannot store").arg(source));
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        die(QStringLiteral("cannot write %1").arg(target));
}

void fillAreaCodes(const QString &source, const QString &programFolder)
{
    Table table;
    table.setFolder(programFolder + QStringLiteral("/VlDb Data"));
    table.setTableName(QStringLiteral("Predvlby.db"));
    table.open();
    table.beginBatch();
    const QStringList lines = QString::fromUtf8(readSource(source)).split(QLatin1Char('\n'));
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char(';'));
        if (parts.size() != 2)
            die(QStringLiteral("%1: bad line \"%2\"").arg(source, line));
        table.append();
        table.field(QStringLiteral("Mesto")).setString(parts[0].trimmed());
        table.field(QStringLiteral("Predvolba")).setString(parts[1].trimmed());
        table.post();
    }
    table.commitBatch();
    table.close();
}

// A soft, warm paper texture that tiles without seams: noise smoothed over
// a wrapping neighbourhood.
void writeTexture(const QString &target)
{
    constexpr int size = 128;
    QRandomGenerator random(2009);
    std::vector<int> noise(size * size);
    for (int &value : noise)
        value = int(random.bounded(64));
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            int sum = 0;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    sum += noise[((y + dy + size) % size) * size + (x + dx + size) % size];
            const int shade = sum / 25 - 32 + int(noise[y * size + x] / 8);
            image.setPixel(x, y, qRgb(std::clamp(214 + shade, 0, 255), std::clamp(200 + shade, 0, 255),
                                      std::clamp(168 + shade, 0, 255)));
        }
    }
    if (!image.save(target, "BMP"))
        die(QStringLiteral("cannot write %1").arg(target));
}

void copyHelp(const QString &source, const QString &target)
{
    if (!QFileInfo(source).isDir())
        return;
    QDirIterator it(source, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString destination = target + QLatin1Char('/') + QDir(source).relativeFilePath(file);
        QDir().mkpath(QFileInfo(destination).absolutePath());
        if (!QFile::copy(file, destination))
            die(QStringLiteral("cannot copy %1").arg(file));
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        die(QStringLiteral("usage: rozvahon_deliver <source folder> <output folder>"));
    const QString source = args[1];
    const QString output = args[2];

    QDir(output).removeRecursively();
    if (!QDir().mkpath(output))
        die(QStringLiteral("cannot create %1").arg(output));
    try {
        Catalogue::createTables(output);
        fillAreaCodes(source + QStringLiteral("/Predvlby.csv"), output);
    } catch (const EngineError &error) {
        die(error.message());
    }
    writeWindowsText(source + QStringLiteral("/Penezka.ini"), output + QStringLiteral("/Penezka.ini"));
    writeWindowsText(source + QStringLiteral("/TemaDef.vdd"), output + QStringLiteral("/TemaDef.vdd"));
    writeTexture(output + QStringLiteral("/Textura.bmp"));
    copyHelp(source + QStringLiteral("/help"), output + QStringLiteral("/help"));
    return 0;
}
