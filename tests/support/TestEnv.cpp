#include "support/TestEnv.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

TestEnv::TestEnv()
{
    QVERIFY2(m_dir.isValid(), "no temporary folder");
    Catalogue::installLayoutCheck();
    m_previousDir = QDir::currentPath();
    m_previousConfig = qgetenv("XDG_CONFIG_HOME");
    m_previousData = qgetenv("XDG_DATA_HOME");
    QDir(m_dir.path()).mkpath(QStringLiteral("program"));
    QDir(m_dir.path()).mkpath(QStringLiteral("config"));
    QDir(m_dir.path()).mkpath(QStringLiteral("data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_dir.path() + QStringLiteral("/data")));
    QDir::setCurrent(m_dir.path() + QStringLiteral("/program"));
}

TestEnv::~TestEnv()
{
    QDir::setCurrent(m_previousDir);
    qputenv("XDG_CONFIG_HOME", m_previousConfig);
    qputenv("XDG_DATA_HOME", m_previousData);
}

QString TestEnv::programFolder() const { return m_dir.path() + QStringLiteral("/program"); }

QString TestEnv::configHome() const { return m_dir.path() + QStringLiteral("/config"); }

QString TestEnv::path(const QString &relative) const { return programFolder() + QLatin1Char('/') + relative; }

void TestEnv::deliverTables() const
{
    // Copying the folder the build delivered is much faster than creating
    // every table; the previous-year folder is a copy of its tables.
    const QString delivered = ProgramFolder::deliveredFolder();
    if (delivered.isEmpty()) {
        Catalogue::createTables(programFolder(), true);
        return;
    }
    QVERIFY(ProgramFolder::copyDelivered(delivered, programFolder()).isEmpty());
    QDir().mkpath(path(QStringLiteral("Data/Data01")));
    for (const Catalogue::TableFile &file : Catalogue::tables())
        if (file.previousYear)
            QVERIFY(QFile::copy(delivered + QStringLiteral("/Data/") + file.fileName,
                                path(QStringLiteral("Data/Data01/") + file.fileName)));
}

void TestEnv::writeFile(const QString &relative, const QByteArray &contents) const
{
    const QString file = path(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
    out.write(contents);
}
