// The settings stores: the INI file format on disk, the value encodings and
// missing values of IniStore and RegFlags, their misuse rules, where their
// files live, and what concurrent or crashing writers leave behind.

#include "core/data/platform/Prompter.h"
#include "core/data/format/CodePage1250.h"
#include "core/data/stores/IniFile.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "core/data/stores/SettingsEvents.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRect>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Nastaveni = QLatin1String(Section::Nastaveni);

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray cp1250(const QString &text) { return CodePage1250::encode(text); }

// The value the concurrent writers store under key `name`.
QString writerValue(const QString &name)
{
    return u"hodnota %1 žluťoučký kůň "_s.arg(name) + QString(u'x').repeated(name.size() * 7);
}

// The value the crashing writer stores under key K<i>: long enough that a
// write takes a while, different for every key.
QString loopValue(int i)
{
    return u"řádek %1 "_s.arg(i) + QString(u'ě').repeated(150 + i % 97) + u" konec"_s;
}

// Child process: waits for a line on stdin, then writes `count` keys
// <prefix>0 ... into section Nastaveni of `path`.
int writeKeys(const QString &path, const QString &prefix, int count)
{
    std::fputs("waiting\n", stdout);
    std::fflush(stdout);
    char go[16];
    if (!std::fgets(go, sizeof go, stdin))
        return 3;
    IniStore store(path, Nastaveni);
    for (int i = 0; i < count; ++i) {
        const QString key = prefix + QString::number(i);
        if (!store.writeString(key, writerValue(key)))
            return 2;
    }
    return 0;
}

// Child process: writes K<start>, K<start+1>, ... until it is killed; says
// "ready" after the first write.
int writeLoop(const QString &path, int start)
{
    IniStore store(path, Nastaveni);
    for (int i = start;; ++i) {
        if (!store.writeString(u"K"_s + QString::number(i), loopValue(i)))
            return 2;
        if (i == start) {
            std::fputs("ready\n", stdout);
            std::fflush(stdout);
        }
    }
}

// Files in `folder`, besides `except`.
QStringList strayFiles(const QString &folder, const QString &except)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                               | QDir::NoDotAndDotDot);
    names.removeAll(except);
    return names;
}

} // namespace

class TstSettings : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void missingValues_data();
    void missingValues();
    void integerText_data();
    void integerText();
    void writtenBytes_data();
    void writtenBytes();
    void misuse_data();
    void misuse();
    void scrambledRoundTrip_data();
    void scrambledRoundTrip();
    void valuesStayOnOneLine_data();
    void valuesStayOnOneLine();
    void lookup_data();
    void lookup();
    void rewritePreservesFile_data();
    void rewritePreservesFile();
    void byteOrderMarkIsNoPartOfTheFile();
    void failedWriteLeavesFile_data();
    void failedWriteLeavesFile();
    void writesAreAnnounced_data();
    void writesAreAnnounced();
    void fileLocation_data();
    void fileLocation();
    void calculatorOptions();
    void registryPath_data();
    void registryPath();
    void registryCreatedAtFirstAccess();
    void registrySharedBetweenInstances();
    void concurrentWriters();
    void killedWriterLeavesWholeFile();
    void deliveredFiles();

private:
    ScriptedPrompter m_prompter;
};

void TstSettings::init()
{
    m_prompter = ScriptedPrompter();
    Prompter::setGlobal(&m_prompter);
}

void TstSettings::cleanup()
{
    Prompter::setGlobal(nullptr);
}

// ---- missing values and the error hook ----------------------------------

void TstSettings::missingValues_data()
{
    QTest::addColumn<QByteArray>("contents"); // null: no file at all
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<int>("hookCalls");

    const QByteArray noFile;
    const QByteArray other = "[Jiny]\r\nKlic=abc\r\n";
    QTest::newRow("no file, text") << noFile << u"text"_s << QVariant(u"ERROR"_s) << 1;
    QTest::newRow("no file, integer") << noFile << u"integer"_s << QVariant(-11073) << 1;
    QTest::newRow("no file, logical") << noFile << u"logical"_s << QVariant(false) << 0;
    QTest::newRow("no file, scrambled") << noFile << u"scrambled"_s << QVariant(u"ERROR"_s) << 1;
    QTest::newRow("key in another section, text") << other << u"text"_s << QVariant(u"ERROR"_s) << 1;
    QTest::newRow("key in another section, integer") << other << u"integer"_s << QVariant(-11073) << 1;
    QTest::newRow("empty file, logical") << QByteArray("") << u"logical"_s << QVariant(false) << 0;

    const QByteArray error = "[Nastaveni]\r\nKlic=ERROR\r\n";
    QTest::newRow("stored ERROR, text") << error << u"text"_s << QVariant(u"ERROR"_s) << 1;
    QTest::newRow("stored ERROR, scrambled") << error << u"scrambled"_s << QVariant(u"ERROR"_s) << 1;
    QTest::newRow("stored ERROR, integer") << error << u"integer"_s << QVariant(-11073) << 1;
    QTest::newRow("stored ERROR, logical") << error << u"logical"_s << QVariant(false) << 0;

    QTest::newRow("not an integer") << QByteArray("[Nastaveni]\r\nKlic=abc\r\n") << u"integer"_s
                                    << QVariant(-11073) << 1;
    QTest::newRow("empty integer") << QByteArray("[Nastaveni]\r\nKlic=\r\n") << u"integer"_s
                                   << QVariant(-11073) << 1;
    QTest::newRow("empty text is no error") << QByteArray("[Nastaveni]\r\nKlic=\r\n") << u"text"_s
                                            << QVariant(QString()) << 0;
    QTest::newRow("stored text, no hook") << QByteArray("[Nastaveni]\r\nKlic=abc\r\n") << u"text"_s
                                          << QVariant(u"abc"_s) << 0;
    QTest::newRow("stored -11073 is no error") << QByteArray("[Nastaveni]\r\nKlic=-11073\r\n")
                                               << u"integer"_s << QVariant(-11073) << 0;
    QTest::newRow("logical of text") << QByteArray("[Nastaveni]\r\nKlic=ano\r\n") << u"logical"_s
                                     << QVariant(false) << 0;
}

void TstSettings::missingValues()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, kind);
    QFETCH(QVariant, expected);
    QFETCH(int, hookCalls);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    if (!contents.isNull())
        writeBytes(path, contents);
    IniStore store(path, Nastaveni);
    QStringList hooked;
    store.setErrorHook([&](const QString &key) { hooked.append(key); });

    QVariant got;
    if (kind == u"text")
        got = store.readString(u"Klic"_s);
    else if (kind == u"integer")
        got = store.readInteger(u"Klic"_s);
    else if (kind == u"logical")
        got = store.readBool(u"Klic"_s);
    else
        got = store.readScrambled(u"Klic"_s);
    QCOMPARE(got, expected);
    QCOMPARE(hooked.size(), hookCalls);
    if (hookCalls)
        QCOMPARE(hooked.first(), u"Klic"_s);
    QVERIFY(m_prompter.messages.isEmpty());
    // A read never creates the file.
    QCOMPARE(QFileInfo::exists(path), !contents.isNull());
}

void TstSettings::integerText_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("integer"); // -11073: no integer
    QTest::addColumn<bool>("logical");

    QTest::newRow("zero") << QByteArray("0") << 0 << false;
    QTest::newRow("one") << QByteArray("1") << 1 << true;
    QTest::newRow("five") << QByteArray("5") << 5 << true;
    QTest::newRow("negative") << QByteArray("-7") << -7 << true;
    QTest::newRow("plus sign") << QByteArray("+12") << 12 << true;
    QTest::newRow("blanks around") << QByteArray(" 42\t") << 42 << true;
    QTest::newRow("0x1") << QByteArray("0x1") << 1 << true;
    QTest::newRow("0x0") << QByteArray("0x0") << 0 << false;
    QTest::newRow("0X1F") << QByteArray("0X1F") << 31 << true;
    QTest::newRow("$FF") << QByteArray("$FF") << 255 << true;
    QTest::newRow("$ff") << QByteArray("$ff") << 255 << true;
    QTest::newRow("-$10") << QByteArray("-$10") << -16 << true;
    QTest::newRow("hex pattern -1") << QByteArray("$FFFFFFFF") << -1 << true;
    QTest::newRow("system colour in hex") << QByteArray("0xFF00000F") << -16777201 << true;
    QTest::newRow("system colour") << QByteArray("-16777201") << -16777201 << true;
    QTest::newRow("white") << QByteArray("16777215") << 16777215 << true;
    QTest::newRow("hex lowest") << QByteArray("$80000000") << int(0x80000000u) << true;
    QTest::newRow("largest") << QByteArray("2147483647") << 2147483647 << true;
    QTest::newRow("smallest") << QByteArray("-2147483648") << int(-2147483647 - 1) << true;
    QTest::newRow("leading zeros") << QByteArray("007") << 7 << true;

    QTest::newRow("too large") << QByteArray("2147483648") << -11073 << false;
    QTest::newRow("too small") << QByteArray("-2147483649") << -11073 << false;
    QTest::newRow("hex too large") << QByteArray("0x100000000") << -11073 << false;
    QTest::newRow("huge") << QByteArray("99999999999999999999999") << -11073 << false;
    QTest::newRow("0x alone") << QByteArray("0x") << -11073 << false;
    QTest::newRow("$ alone") << QByteArray("$") << -11073 << false;
    QTest::newRow("sign alone") << QByteArray("-") << -11073 << false;
    QTest::newRow("trailing letters") << QByteArray("12a") << -11073 << false;
    QTest::newRow("inner blank") << QByteArray("1 2") << -11073 << false;
    QTest::newRow("decimal point") << QByteArray("1.5") << -11073 << false;
    QTest::newRow("double sign") << QByteArray("--1") << -11073 << false;
    QTest::newRow("sign after 0x") << QByteArray("0x-1") << -11073 << false;
    QTest::newRow("hex digit in decimal") << QByteArray("1F") << -11073 << false;
    QTest::newRow("word") << QByteArray("true") << -11073 << false;
}

void TstSettings::integerText()
{
    QFETCH(QByteArray, stored);
    QFETCH(int, integer);
    QFETCH(bool, logical);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    writeBytes(path, "[Nastaveni]\r\nKlic=" + stored + "\r\n");
    IniStore store(path, Nastaveni);
    QCOMPARE(store.readInteger(u"Klic"_s), integer);
    QCOMPARE(store.read(ColorKey{"Klic"}), integer);
    QCOMPARE(store.readBool(u"Klic"_s), logical);
    // A fallback replaces only what is no integer.
    QCOMPARE(store.readInteger(u"Klic"_s, 77), integer == -11073 ? 77 : integer);
}

// ---- what writes put on disk --------------------------------------------

void TstSettings::writtenBytes_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QVariant>("readBack");

    QTest::newRow("logical true") << u"logical"_s << QVariant(true) << QByteArray("1") << QVariant(true);
    QTest::newRow("logical false") << u"logical"_s << QVariant(false) << QByteArray("0") << QVariant(false);
    QTest::newRow("integer") << u"integer"_s << QVariant(-11073) << QByteArray("-11073") << QVariant(-11073);
    QTest::newRow("colour") << u"integer"_s << QVariant(16711680) << QByteArray("16711680")
                            << QVariant(16711680);
    QTest::newRow("Czech text") << u"text"_s << QVariant(u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s)
                                << QByteArray("P\xf8\xedli\x9a \x9elu\x9dou\xe8k\xfd k\xf9\xf2 \xfap\xecl "
                                              "\xef\xe1\x62\x65lsk\xe9 \xf3\x64y")
                                << QVariant(u"Příliš žluťoučký kůň úpěl ďábelské ódy"_s);
    QTest::newRow("Czech capitals") << u"text"_s << QVariant(u"ĚŠČŘŽÝÁÍÉŮÚŇŤĎ"_s)
                                    << QByteArray("\xcc\x8a\xc8\xd8\x8e\xdd\xc1\xcd\xc9\xd9\xda\xd2\x8d\xcf")
                                    << QVariant(u"ĚŠČŘŽÝÁÍÉŮÚŇŤĎ"_s);
    QTest::newRow("euro sign") << u"text"_s << QVariant(u"5 €"_s) << QByteArray("5 \x80") << QVariant(u"5 €"_s);
    QTest::newRow("not in the code page") << u"text"_s << QVariant(u"a中b"_s) << QByteArray("a?b")
                                          << QVariant(u"a?b"_s);
    QTest::newRow("equals sign in value") << u"text"_s << QVariant(u"a=b=c"_s) << QByteArray("a=b=c")
                                          << QVariant(u"a=b=c"_s);
    QTest::newRow("blanks kept") << u"text"_s << QVariant(u"  okraje  "_s) << QByteArray("  okraje  ")
                                 << QVariant(u"  okraje  "_s);
    QTest::newRow("Windows path") << u"text"_s << QVariant(u"C:\\Obrázky\\Textura.bmp"_s)
                                  << QByteArray("C:\\Obr\xe1zky\\Textura.bmp")
                                  << QVariant(u"C:\\Obrázky\\Textura.bmp"_s);
    QTest::newRow("line break") << u"text"_s << QVariant(u"řádek 1\r\nřádek 2"_s)
                                << QByteArray("\xf8\xe1\x64\x65k 1  \xf8\xe1\x64\x65k 2")
                                << QVariant(u"řádek 1  řádek 2"_s);
    QTest::newRow("scrambled") << u"scrambled"_s << QVariant(u"0a"_s) << QByteArray("\x20\x51")
                               << QVariant(u"0a"_s);
}

void TstSettings::writtenBytes()
{
    QFETCH(QString, kind);
    QFETCH(QVariant, value);
    QFETCH(QByteArray, stored);
    QFETCH(QVariant, readBack);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    IniStore store(path, Nastaveni);
    QVariant got;
    if (kind == u"logical") {
        QVERIFY(store.writeBool(u"Klic"_s, value.toBool()));
        got = store.readBool(u"Klic"_s);
    } else if (kind == u"integer") {
        QVERIFY(store.writeInteger(u"Klic"_s, value.toInt()));
        got = store.readInteger(u"Klic"_s);
    } else if (kind == u"text") {
        QVERIFY(store.writeString(u"Klic"_s, value.toString()));
        got = store.readString(u"Klic"_s);
    } else {
        QVERIFY(store.writeScrambled(u"Klic"_s, value.toString()));
        got = store.readScrambled(u"Klic"_s);
    }
    QCOMPARE(readBytes(path), "[Nastaveni]\r\nKlic=" + stored + "\r\n");
    QCOMPARE(got, readBack);
}

// ---- misuse: no file name, no section, no key ----------------------------

void TstSettings::misuse_data()
{
    QTest::addColumn<QString>("store");   // "ini" or "reg"
    QTest::addColumn<QString>("name");    // file name or key path; "*" the normal one
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("message"); // empty: none

    const QString ini = u"Please specify both Filename and Section for TINIEntry"_s;
    const QString reg = u"Please specify both Filename and Section for TRegEntry"_s;
    QTest::newRow("ini, no file name") << u"ini"_s << QString() << Nastaveni << u"Klic"_s << ini;
    QTest::newRow("ini, no section") << u"ini"_s << u"*"_s << QString() << u"Klic"_s << ini;
    QTest::newRow("ini, blank section") << u"ini"_s << u"*"_s << u"  "_s << u"Klic"_s << ini;
    QTest::newRow("ini, neither, no key") << u"ini"_s << QString() << QString() << QString() << ini;
    QTest::newRow("ini, no key") << u"ini"_s << u"*"_s << Nastaveni << QString() << QString();
    QTest::newRow("ini, blank key") << u"ini"_s << u"*"_s << Nastaveni << u" \t"_s << QString();
    QTest::newRow("reg, no key path") << u"reg"_s << QString() << u"RunFrm"_s << u"RunFrm"_s << reg;
    QTest::newRow("reg, no section") << u"reg"_s << u"*"_s << QString() << u"RunFrm"_s << reg;
    QTest::newRow("reg, no key") << u"reg"_s << u"*"_s << u"RunFrm"_s << QString() << QString();
}

void TstSettings::misuse()
{
    QFETCH(QString, store);
    QFETCH(QString, name);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, message);

    TestEnv env;
    const QString iniPath = env.path(u"Penezka.ini"_s);
    const QString regPath = env.configHome() + u"/Mlynek/Rozvahon 2004.ini"_s;
    std::unique_ptr<SettingsStore> accessor;
    if (store == u"ini")
        accessor = std::make_unique<IniStore>(name == u"*" ? iniPath : name, section);
    else
        accessor = std::make_unique<RegFlags>(name == u"*" ? QLatin1String(RegistryKey) : name, section);
    int hooked = 0;
    accessor->setErrorHook([&](const QString &) { ++hooked; });

    QCOMPARE(accessor->readString(key), QString());
    QCOMPARE(accessor->readInteger(key), -11037);
    QCOMPARE(accessor->readInteger(key, 5), -11037);
    QCOMPARE(accessor->readBool(key), false);
    QCOMPARE(accessor->readBool(key, true), false);
    QCOMPARE(accessor->readScrambled(key), QString());
    QVERIFY(!accessor->writeString(key, u"x"_s));
    QVERIFY(!accessor->writeInteger(key, 1));
    QVERIFY(!accessor->writeBool(key, true));
    QVERIFY(!accessor->writeScrambled(key, u"x"_s));

    // Every one of the ten calls shows the message, or none does.
    const QStringList expected = message.isEmpty() ? QStringList() : QStringList(QList<QString>(10, message));
    QCOMPARE(m_prompter.messages, expected);
    QCOMPARE(hooked, 0);
    // Nothing was written anywhere.
    QVERIFY(!QFileInfo::exists(iniPath));
    QVERIFY(readBytes(regPath).isEmpty());
    QVERIFY(!QFileInfo::exists(env.configHome() + u"/Rozvahon"_s));
}

// ---- scrambled text -----------------------------------------------------

void TstSettings::scrambledRoundTrip_data()
{
    QTest::addColumn<QString>("text");

    QTest::newRow("letters") << u"HesloHESLOheslo"_s;
    QTest::newRow("digits") << u"0123456789"_s;
    QTest::newRow("punctuation") << u" !\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~"_s;
    QTest::newRow("Czech small") << u"ěščřžýáíéůúňťď"_s;
    QTest::newRow("Czech capital") << u"ĚŠČŘŽÝÁÍÉŮÚŇŤĎ"_s;
    QTest::newRow("mixed") << u"Můj pes=Žeryk; 2009!"_s;
    QTest::newRow("stored with a blank at both ends") << u"0tajne0"_s;
    QTest::newRow("blanks at both ends") << u" tajne "_s;
    QTest::newRow("equals and brackets") << u"=[a]=;#"_s;
    QTest::newRow("empty") << QString();
}

void TstSettings::scrambledRoundTrip()
{
    QFETCH(QString, text);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    IniStore store(path, Nastaveni);
    QVERIFY(store.write(Key::Pas, text));
    QVERIFY(store.write(Key::HAct, true));
    QCOMPARE(store.read(Key::Pas), text);
    QCOMPARE(store.read(Key::HAct), true);

    // On disk: every windows-1250 byte shifted by 240 modulo 256.
    QByteArray shifted;
    for (char c : cp1250(text))
        shifted.append(char((static_cast<unsigned char>(c) + 240) % 256));
    QCOMPARE(readBytes(path), "[Nastaveni]\r\nPas=" + shifted + "\r\nHAct=1\r\n");

    // The registry store shares the shift.
    RegFlags reg(QLatin1String(RegistryKey), QLatin1String(Section::Registrace));
    QVERIFY(reg.writeScrambled(u"Pas"_s, text));
    QCOMPARE(reg.readScrambled(u"Pas"_s), text);
    QCOMPARE(IniFile(reg.filePath()).value(QLatin1String(Section::Registrace), u"Pas"_s), shifted);
}

void TstSettings::valuesStayOnOneLine_data()
{
    QTest::addColumn<bool>("scrambled");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("readBack");

    QTest::newRow("text, CR LF") << false << u"a\r\nb"_s << u"a  b"_s;
    QTest::newRow("text, LF and section") << false << u"a\n[Jiny]\nKlic=1"_s << u"a [Jiny] Klic=1"_s;
    QTest::newRow("text, NUL") << false << u"a\0b"_s << u"a b"_s;
    // These three would come out as NUL, LF and CR after the shift.
    QTest::newRow("scrambled, control bytes") << true << u"\x10" "a\x1a" "b\x1d"_s << u" a?b "_s;
    QTest::newRow("scrambled, CR LF") << true << u"a\r\nb"_s << u"a\r\nb"_s;
}

void TstSettings::valuesStayOnOneLine()
{
    QFETCH(bool, scrambled);
    QFETCH(QString, text);
    QFETCH(QString, readBack);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    IniStore store(path, Nastaveni);
    QVERIFY(scrambled ? store.writeScrambled(u"Klic"_s, text) : store.writeString(u"Klic"_s, text));
    QVERIFY(store.writeInteger(u"Po"_s, 1));
    QCOMPARE(scrambled ? store.readScrambled(u"Klic"_s) : store.readString(u"Klic"_s), readBack);
    QCOMPARE(IniFile(path).sections(), QStringList{Nastaveni});
    QCOMPARE(IniFile(path).keys(Nastaveni), (QStringList{u"Klic"_s, u"Po"_s}));
    QCOMPARE(readBytes(path).count("\r\n"), 3);
    QCOMPARE(readBytes(path).count('\n'), 3);
    QVERIFY(!readBytes(path).contains('\0'));
}

// ---- the INI format: lookups, case, line ends ----------------------------

void TstSettings::lookup_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact") << QByteArray("[Nastaveni]\r\nRychloTl=1\r\n") << u"Nastaveni"_s << u"RychloTl"_s << u"1"_s;
    QTest::newRow("upper case in file") << QByteArray("[NASTAVENI]\r\nRYCHLOTL=1\r\n") << u"Nastaveni"_s
                                        << u"RychloTl"_s << u"1"_s;
    QTest::newRow("lower case asked") << QByteArray("[Nastaveni]\r\nRychloTl=1\r\n") << u"nastaveni"_s
                                      << u"rychlotl"_s << u"1"_s;
    QTest::newRow("Czech names, other case") << QByteArray("[\x8akoda]\r\n\xc8\xedslo=7\r\n") << u"šKODA"_s
                                             << u"číSLO"_s << u"7"_s;
    QTest::newRow("key with blanks") << QByteArray("[Nastaveni]\r\n  RychloTl\t= 1 \r\n") << u"Nastaveni"_s
                                     << u"RychloTl"_s << u" 1 "_s;
    QTest::newRow("blanks in header") << QByteArray(" [ Nastaveni ] \r\nA=x\r\n") << u"Nastaveni"_s
                                      << u"A"_s << u"x"_s;
    QTest::newRow("LF only") << QByteArray("[Nastaveni]\nA=1\nB=dva\n") << u"Nastaveni"_s << u"B"_s << u"dva"_s;
    QTest::newRow("no final line end") << QByteArray("[Nastaveni]\r\nA=1\r\nB=dva") << u"Nastaveni"_s
                                       << u"B"_s << u"dva"_s;
    QTest::newRow("mixed line ends") << QByteArray("[Jiny]\nA=0\r\n[Nastaveni]\nA=1\r\n") << u"Nastaveni"_s
                                     << u"A"_s << u"1"_s;
    QTest::newRow("first key wins") << QByteArray("[Nastaveni]\r\nA=1\r\nA=2\r\n") << u"Nastaveni"_s
                                    << u"A"_s << u"1"_s;
    QTest::newRow("section again later") << QByteArray("[A]\r\nX=1\r\n[B]\r\nK=2\r\n[a]\r\nK=3\r\n") << u"A"_s
                                         << u"K"_s << u"3"_s;
    QTest::newRow("comment is no key") << QByteArray("[Nastaveni]\r\n;A=1\r\n") << u"Nastaveni"_s << u"A"_s
                                       << u"ERROR"_s;
    QTest::newRow("key before any section") << QByteArray("A=1\r\n[Nastaveni]\r\n") << u"Nastaveni"_s << u"A"_s
                                            << u"ERROR"_s;
    QTest::newRow("prefix is no match") << QByteArray("[Nastaveni]\r\nRychloTl2=1\r\n") << u"Nastaveni"_s
                                        << u"RychloTl"_s << u"ERROR"_s;
    QTest::newRow("section prefix is no match") << QByteArray("[Nastaveni2]\r\nA=1\r\n") << u"Nastaveni"_s
                                                << u"A"_s << u"ERROR"_s;
    QTest::newRow("empty value") << QByteArray("[Nastaveni]\r\nA=\r\n") << u"Nastaveni"_s << u"A"_s << QString();
}

void TstSettings::lookup()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    writeBytes(path, contents);
    IniStore store(path, section);
    QCOMPARE(store.readString(key), expected);

    // A write goes to the line that was read, whatever its spelling.
    if (expected != u"ERROR") {
        QVERIFY(store.writeString(key, u"nové"_s));
        QCOMPARE(store.readString(key), u"nové"_s);
        QCOMPARE(readBytes(path).count(cp1250(u"nové"_s)), 1);
        QCOMPARE(readBytes(path).count('\n'), readBytes(path).count("\r\n"));
    }
}

void TstSettings::rewritePreservesFile_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("expected");

    // The file of every row, with LF line ends: comments, a blank line,
    // an unknown line, a key before any section, two sections.
    //   ; Rozvahon
    //   volny=1
    //   [NASTAVENI]
    //   RychloTl = 1
    //   podivny radek
    //   But1.L=254
    //
    //   ; barvy
    //   [Barvy]
    //   A=1
    const QByteArray head = "; Rozvahon\r\nvolny=1\r\n[NASTAVENI]\r\n";
    const QByteArray tail = "\r\n; barvy\r\n[Barvy]\r\nA=1\r\n";
    QTest::newRow("existing key keeps its spelling")
        << u"Nastaveni"_s << u"rychlotl"_s << u"0"_s
        << head + "RychloTl =0\r\npodivny radek\r\nBut1.L=254\r\n" + tail;
    QTest::newRow("new key after the last key of its section")
        << u"Nastaveni"_s << u"Tipy"_s << u"1"_s
        << head + "RychloTl = 1\r\npodivny radek\r\nBut1.L=254\r\nTipy=1\r\n" + tail;
    QTest::newRow("new section at the end")
        << u"SetMesice"_s << u"Cas1"_s << u"1"_s
        << head + "RychloTl = 1\r\npodivny radek\r\nBut1.L=254\r\n" + tail + "\r\n[SetMesice]\r\nCas1=1\r\n";
    QTest::newRow("same value, file untouched")
        << u"Barvy"_s << u"A"_s << u"1"_s
        << QByteArray("; Rozvahon\nvolny=1\n[NASTAVENI]\nRychloTl = 1\npodivny radek\nBut1.L=254\n\n; barvy\n[Barvy]\nA=1\n");
}

void TstSettings::rewritePreservesFile()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, expected);

    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    writeBytes(path, "; Rozvahon\nvolny=1\n[NASTAVENI]\nRychloTl = 1\npodivny radek\nBut1.L=254\n\n; barvy\n[Barvy]\nA=1\n");
    IniStore store(path, section);
    QVERIFY(store.writeString(key, value));
    QCOMPARE(readBytes(path), expected);
}

// A file an editor saved with a byte-order mark: its first section is read
// and written like any other, and the mark stays.
void TstSettings::byteOrderMarkIsNoPartOfTheFile()
{
    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    writeBytes(path, "\xEF\xBB\xBF[Nastaveni]\r\nRychloTl=1\r\nBut1.L=254\r\n");
    IniStore store(path, u"Nastaveni"_s);
    QCOMPARE(store.read(Key::RychloTl), true);
    QCOMPARE(store.readInteger(u"But1.L"_s), 254);
    QCOMPARE(IniFile(path).sections(), QStringList{u"Nastaveni"_s});
    QCOMPARE(IniFile(path).keys(u"Nastaveni"_s), (QStringList{u"RychloTl"_s, u"But1.L"_s}));
    QVERIFY(store.writeInteger(u"But1.L"_s, 17));
    QVERIFY(store.writeInteger(u"But2.L"_s, 18));
    QCOMPARE(readBytes(path), QByteArray("\xEF\xBB\xBF[Nastaveni]\r\nRychloTl=1\r\nBut1.L=17\r\nBut2.L=18\r\n"));
}

void TstSettings::failedWriteLeavesFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("key");

    QTest::newRow("folder missing") << u"Chybi/Penezka.ini"_s << u"Klic"_s;
    QTest::newRow("file is a folder") << u"Slozka.ini"_s << u"Klic"_s;
    QTest::newRow("key with equals sign") << u"Penezka.ini"_s << u"a=b"_s;
    QTest::newRow("key like a section") << u"Penezka.ini"_s << u"[Jiny]"_s;
    QTest::newRow("key like a comment") << u"Penezka.ini"_s << u";Klic"_s;
    QTest::newRow("key with line break") << u"Penezka.ini"_s << u"a\nb"_s;
}

void TstSettings::failedWriteLeavesFile()
{
    QFETCH(QString, fileName);
    QFETCH(QString, key);

    TestEnv env;
    QDir().mkpath(env.path(u"Slozka.ini"_s));
    const QByteArray before = "[Nastaveni]\r\nA=1\r\n";
    writeBytes(env.path(u"Penezka.ini"_s), before);

    IniStore store(u"./"_s + fileName, Nastaveni);
    QVERIFY(!store.writeString(key, u"x"_s));
    QVERIFY(!store.writeBool(key, true));
    QCOMPARE(readBytes(env.path(u"Penezka.ini"_s)), before);
    QVERIFY(!QFileInfo::exists(env.path(u"Chybi"_s)));
    QCOMPARE(store.readString(key), u"ERROR"_s);
}

// ---- announcing changes -------------------------------------------------

// Every value a store writes is announced once, with the file the store
// resolved, its section and the key as written; a write that stores
// nothing announces nothing.
void TstSettings::writesAreAnnounced_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("stored");

    QTest::newRow("new key") << u"./Penezka.ini"_s << u"RychloTl"_s << true;
    QTest::newRow("file in other case") << u"./PENEZKA.INI"_s << u"StatusBar1"_s << true;
    QTest::newRow("folder missing") << u"./Chybi/Penezka.ini"_s << u"RychloTl"_s << false;
    QTest::newRow("unusable key") << u"./Penezka.ini"_s << u"a=b"_s << false;
    QTest::newRow("empty key") << u"./Penezka.ini"_s << QString() << false;
}

void TstSettings::writesAreAnnounced()
{
    QFETCH(QString, fileName);
    QFETCH(QString, key);
    QFETCH(bool, stored);

    TestEnv env;
    writeBytes(env.path(u"Penezka.ini"_s), "[Nastaveni]\r\nA=1\r\n");
    IniStore store(fileName, Nastaveni);
    QSignalSpy spy(&SettingsEvents::instance(), &SettingsEvents::changed);

    QCOMPARE(store.writeBool(key, true), stored);
    QCOMPARE(store.writeInteger(key, 7), stored);
    QCOMPARE(store.writeScrambled(key, u"x"_s), stored);
    QCOMPARE(spy.size(), stored ? 3 : 0);
    for (const QList<QVariant> &announced : spy) {
        QCOMPARE(QFileInfo(announced.at(0).toString()).canonicalFilePath(),
                 QFileInfo(env.path(u"Penezka.ini"_s)).canonicalFilePath());
        QCOMPARE(announced.at(1).toString(), Nastaveni);
        QCOMPARE(announced.at(2).toString(), key);
    }
}

// ---- where the files are ------------------------------------------------

void TstSettings::fileLocation_data()
{
    QTest::addColumn<QString>("onDisk");   // created first, below the program folder ("~" = config home)
    QTest::addColumn<QString>("fileName"); // as the program names it ("@" = program folder)
    QTest::addColumn<QString>("expected"); // the file used, as onDisk

    QTest::newRow("bare name") << QString() << u"VedeVoda.INI"_s << u"~/Rozvahon/VedeVoda.INI"_s;
    QTest::newRow("bare name, other case on disk") << u"~/Rozvahon/vedevoda.ini"_s << u"VedeVoda.INI"_s
                                                   << u"~/Rozvahon/vedevoda.ini"_s;
    QTest::newRow("bare name, not in the program folder") << u"VedeVoda.INI"_s << u"VedeVoda.INI"_s
                                                          << u"~/Rozvahon/VedeVoda.INI"_s;
    QTest::newRow("relative with folder") << QString() << u"./Penezka.ini"_s << u"Penezka.ini"_s;
    QTest::newRow("relative, other case") << u"PENEZKA.INI"_s << u"./Penezka.ini"_s << u"PENEZKA.INI"_s;
    QTest::newRow("backslashes") << u"Sub/Tema.vzd"_s << u"sub\\TEMA.VZD"_s << u"Sub/Tema.vzd"_s;
    QTest::newRow("absolute") << u"Penezka.ini"_s << u"@/penezka.ini"_s << u"Penezka.ini"_s;
}

void TstSettings::fileLocation()
{
    QFETCH(QString, onDisk);
    QFETCH(QString, fileName);
    QFETCH(QString, expected);

    TestEnv env;
    const auto full = [&](const QString &name) {
        return name.startsWith(u'~') ? env.configHome() + name.mid(1) : env.path(name);
    };
    if (!onDisk.isEmpty())
        writeBytes(full(onDisk), "[Nastaveni]\r\nA=1\r\n");
    fileName.replace(u"@"_s, env.programFolder());

    IniStore store(fileName, Nastaveni);
    QCOMPARE(store.filePath(), QDir::cleanPath(full(expected)));
    QVERIFY(store.writeInteger(u"B"_s, 2));
    QCOMPARE(IniFile(full(expected)).value(Nastaveni, u"B"_s), QByteArray("2"));
    QCOMPARE(store.readInteger(u"A"_s), onDisk == expected ? 1 : -11073);
}

void TstSettings::calculatorOptions()
{
    TestEnv env;
    IniStore calc(QLatin1String(FileName::CalculatorOptions), QLatin1String(Section::CalculatorOptions));
    // Without the file the options take their defaults.
    QCOMPARE(calc.read(Key::Calc::FormatResult), true);
    QCOMPARE(calc.read(Key::Calc::Width), 1);
    QCOMPARE(calc.read(Key::Calc::NumberOfDecimals), 2);

    writeBytes(env.configHome() + u"/Rozvahon/VedeVoda.ini"_s,
               "[calculator options]\r\nFormat Result=0\r\nWidth=12\r\nNumber Of Decimals=x\r\n");
    QCOMPARE(calc.read(Key::Calc::FormatResult), false);
    QCOMPARE(calc.read(Key::Calc::Width), 12);
    QCOMPARE(calc.read(Key::Calc::NumberOfDecimals), 2);
}

// ---- the registry -------------------------------------------------------

void TstSettings::registryPath_data()
{
    QTest::addColumn<QString>("keyPath");
    QTest::addColumn<QString>("expected"); // below the config home; empty: no key

    QTest::newRow("program key") << u"\\Software\\Mlynek\\Rozvahon 2004"_s << u"Mlynek/Rozvahon 2004.ini"_s;
    QTest::newRow("without leading backslash") << u"Software\\Mlynek\\Rozvahon 2004"_s
                                               << u"Mlynek/Rozvahon 2004.ini"_s;
    QTest::newRow("other case of Software") << u"\\SOFTWARE\\Mlynek\\Rozvahon 2004"_s
                                            << u"Mlynek/Rozvahon 2004.ini"_s;
    QTest::newRow("no Software") << u"\\Mlynek\\Rozvahon 2004"_s << u"Mlynek/Rozvahon 2004.ini"_s;
    QTest::newRow("deeper, slashes") << u"/Software/A/B/C/"_s << u"A/B/C.ini"_s;
    QTest::newRow("doubled backslashes") << u"\\\\Software\\\\Mlynek\\\\Rozvahon 2004"_s
                                         << u"Mlynek/Rozvahon 2004.ini"_s;
    QTest::newRow("Software alone") << u"\\Software"_s << QString();
    QTest::newRow("climbing out") << u"\\Software\\..\\..\\etc"_s << QString();
    QTest::newRow("dot") << u"\\Software\\.\\x"_s << QString();
}

void TstSettings::registryPath()
{
    QFETCH(QString, keyPath);
    QFETCH(QString, expected);

    TestEnv env;
    QCOMPARE(RegFlags::pathFor(keyPath), expected.isEmpty() ? QString() : env.configHome() + u'/' + expected);
    RegFlags reg(keyPath, u"RunFrm"_s);
    QCOMPARE(reg.writeBool(u"RunFrm"_s, true), !expected.isEmpty());
    QCOMPARE(m_prompter.messages.size(), expected.isEmpty() ? 1 : 0);
    if (!expected.isEmpty())
        QCOMPARE(readBytes(env.configHome() + u'/' + expected), QByteArray("[RunFrm]\r\nRunFrm=1\r\n"));
}

void TstSettings::registryCreatedAtFirstAccess()
{
    TestEnv env;
    const QString file = env.configHome() + u"/Mlynek/Rozvahon 2004.ini"_s;
    RegFlags run(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm));
    QVERIFY(!QFileInfo::exists(file));

    // The first access, a read, creates the key path but no subkey.
    QCOMPARE(run.read(Key::Reg::RunFrm), false);
    QVERIFY(QFileInfo(file).isFile());
    QCOMPARE(readBytes(file), QByteArray());

    // The first write creates the subkey.
    QVERIFY(run.write(Key::Reg::RunFrm, true));
    QCOMPARE(readBytes(file), QByteArray("[RunFrm]\r\nRunFrm=1\r\n"));
    QVERIFY(run.write(Key::Reg::FrmGraf, false));
    QCOMPARE(readBytes(file), QByteArray("[RunFrm]\r\nRunFrm=1\r\nFrmGraf=0\r\n"));
}

void TstSettings::registrySharedBetweenInstances()
{
    TestEnv env;
    RegFlags mainWindow(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm));
    RegFlags recordWindow(QLatin1String(RegistryKey), QLatin1String(Section::RunFrm));
    RegFlags registrace(u"\\software\\MLYNEK\\rozvahon 2004"_s, QLatin1String(Section::Registrace));

    QCOMPARE(mainWindow.read(Key::Reg::RunFrm), false);
    QVERIFY(recordWindow.write(Key::Reg::RunFrm, true));
    QCOMPARE(mainWindow.read(Key::Reg::RunFrm), true);
    QVERIFY(registrace.write(Key::Reg::SrcData, u"Voda"_s));
    QVERIFY(mainWindow.write(Key::Reg::RunFrm, false));
    QCOMPARE(recordWindow.read(Key::Reg::RunFrm), false);
    QCOMPARE(registrace.read(Key::Reg::SrcData), u"Voda"_s);
    QCOMPARE(registrace.read(Key::Reg::BudikZvuk), u"ERROR"_s);

    // Another instance of the program sees the same values.
    RegFlags later(QLatin1String(RegistryKey), QLatin1String(Section::Registrace));
    QCOMPARE(later.read(Key::Reg::SrcData), u"Voda"_s);
    QCOMPARE(IniFile(mainWindow.filePath()).sections(), (QStringList{u"RunFrm"_s, u"Registrace"_s}));
    QCOMPARE(QDir(env.configHome()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{u"Mlynek"_s});
}

// ---- concurrent and crashing writers -------------------------------------

void TstSettings::concurrentWriters()
{
    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    const int count = 200;
    QProcess writers[2];
    const QString prefixes[2] = {u"A"_s, u"B"_s};
    for (int i = 0; i < 2; ++i) {
        writers[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writers[i].start(QCoreApplication::applicationFilePath(),
                         {u"--write-keys"_s, path, prefixes[i], QString::number(count)});
        QVERIFY(writers[i].waitForStarted());
    }
    // Both writers must be waiting before either is let go.
    for (QProcess &writer : writers)
        QVERIFY(writer.waitForReadyRead(60000));
    for (QProcess &writer : writers) {
        writer.write("go\n");
        QVERIFY(writer.waitForBytesWritten(60000));
    }
    for (QProcess &writer : writers) {
        QVERIFY(writer.waitForFinished(240000));
        QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
        QCOMPARE(writer.exitCode(), 0);
    }

    IniStore store(path, Nastaveni);
    QCOMPARE(IniFile(path).keys(Nastaveni).size(), 2 * count);
    for (const QString &prefix : prefixes)
        for (int i = 0; i < count; ++i) {
            const QString key = prefix + QString::number(i);
            QCOMPARE(store.readString(key), writerValue(key));
        }
    QCOMPARE(strayFiles(env.programFolder(), u"Penezka.ini"_s).join(u", "_s), QString());
}

void TstSettings::killedWriterLeavesWholeFile()
{
    TestEnv env;
    const QString path = env.path(u"Penezka.ini"_s);
    int written = 0; // keys K0 ... K<written - 1> are in the file
    for (int round = 0; round < 12; ++round) {
        QProcess writer;
        writer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        writer.start(QCoreApplication::applicationFilePath(),
                     {u"--write-loop"_s, path, QString::number(written)});
        QVERIFY(writer.waitForStarted());
        QVERIFY(writer.waitForReadyRead(60000));
        QThread::msleep(QRandomGenerator::global()->bounded(1, 40));
        writer.kill();
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        // Whole lines with a CR LF each, the keys in order, every value complete.
        const QByteArray bytes = readBytes(path);
        QVERIFY(bytes.startsWith("[Nastaveni]\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        const QStringList keys = IniFile(path).keys(Nastaveni);
        QVERIFY2(keys.size() > written, qPrintable(u"round %1: %2 keys"_s.arg(round).arg(keys.size())));
        QCOMPARE(bytes.count('\n'), keys.size() + 1);
        IniStore store(path, Nastaveni);
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(keys.at(i), u"K"_s + QString::number(i));
            QCOMPARE(store.readString(keys.at(i)), loopValue(i));
        }
        written = int(keys.size());
        // Only the writer's side file may be left, when the kill fell between
        // its link and its rename.
        QStringList stray = strayFiles(env.programFolder(), u"Penezka.ini"_s);
        stray.removeAll(u".Penezka.ini.new"_s);
        QCOMPARE(stray.join(u", "_s), QString());
    }
    // The next write clears what a killed writer left.
    QVERIFY(IniStore(path, Nastaveni).writeBool(u"Konec"_s, true));
    QCOMPARE(strayFiles(env.programFolder(), u"Penezka.ini"_s).join(u", "_s), QString());
}

// ---- the delivered first-run files ---------------------------------------

void TstSettings::deliveredFiles()
{
    TestEnv env;
    // The sources are UTF-8 with LF; the build delivers them in windows-1250.
    const auto deliver = [&](const char *name) {
        const QByteArray source = readBytes(QStringLiteral(ROZVAHON_SOURCE_DIR "/data/") + QLatin1String(name));
        QVERIFY2(!source.isEmpty(), name);
        writeBytes(env.path(QLatin1String(name)), cp1250(QString::fromUtf8(source)));
    };
    deliver(FileName::Settings);
    deliver(FileName::StandardTheme);
    IniStore ini(env.path(QLatin1String(FileName::Settings)), Nastaveni);
    IniStore theme(env.path(QLatin1String(FileName::StandardTheme)), Nastaveni);

    // All twelve quick buttons are shown, at their centred places for a
    // client area 1024 pixels wide, inside it and apart from each other.
    const int c = (1024 - 26) / 2;
    const QPoint centred[12] = {{c - 245, 40}, {c + 171, 40}, {c - 101, 40}, {c - 101, 96},
                                {c + 35, 40},  {c + 35, 96},  {c + 171, 96}, {c - 245, 96},
                                {c - 101, 152}, {c + 35, 152}, {c - 101, 208}, {c + 35, 208}};
    for (const BoolKey &key : {Key::RychloTl, Key::RAdrTel, Key::DatabazeMesic, Key::DatabazeUzv,
                               Key::DatabazeUzv2})
        QVERIFY2(ini.read(key), key.name);
    QList<QRect> buttons;
    for (int n = 1; n <= Key::QuickButtonCount; ++n) {
        const QRect button(ini.read(Key::butLeft(n)), ini.read(Key::butTop(n)), 97, 25);
        QCOMPARE(button.topLeft(), centred[n - 1]);
        QVERIFY(QRect(0, 0, 1024, 600).contains(button));
        for (const QRect &other : std::as_const(buttons))
            QVERIFY(!button.intersects(other));
        buttons.append(button);
    }

    // Every theme key is in both files with the same value, and the theme
    // holds nothing else.
    const IniFile themeFile(theme.filePath());
    QCOMPARE(themeFile.sections(), QStringList{Nastaveni});
    QCOMPARE(themeFile.keys(Nastaveni).size(), qsizetype(Key::ThemeKeyNames.size()));
    for (const char *name : Key::ThemeKeyNames) {
        const QString key = QLatin1String(name);
        QVERIFY2(ini.readString(key) != u"ERROR", name);
        QCOMPARE(theme.readString(key), ini.readString(key));
    }

    // Logical values are 0 or 1, numbers are numbers; the start-up keys
    // are left to the program.
    for (const QString &key : IniFile(ini.filePath()).keys(Nastaveni))
        QVERIFY2(ini.readInteger(key) != -11073 || key == u"Textura" || key == u"PozadiPath", qPrintable(key));
    QCOMPARE(ini.read(Key::Directory), u"ERROR"_s);
    QCOMPARE(ini.read(Key::ParentDirectory), u"ERROR"_s);
    QCOMPARE(ini.read(Key::HAct), false);
    QCOMPARE(ini.read(Key::Textura), u"Textura.bmp"_s);
    for (int styleKey : {ini.read(Key::BtnStyl), ini.read(Key::OknoStyl)})
        QVERIFY(styleKey >= 0 && styleKey <= 12);

    // Both record-window sections show every toolbar on a pale yellow grid.
    for (const char *section : {Section::SetMesice, Section::SetUziv1}) {
        IniStore record(ini.filePath(), QLatin1String(section));
        for (const BoolKey &key : {Key::Record::BtnEditace, Key::Record::BtnHledani, Key::Record::BtnSipky,
                                   Key::Record::Cas1, Key::Record::Celkem, Key::Record::Doplnek,
                                   Key::Record::MenuGrafu, Key::Record::TlKal})
            QVERIFY2(record.read(key), key.name);
        QCOMPARE(record.readInteger(QLatin1String(Key::Record::BckgDatabaze.name)), 13434879);
    }
}

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--write-keys") == 0)
        return writeKeys(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), atoi(argv[4]));
    if (argc == 4 && qstrcmp(argv[1], "--write-loop") == 0)
        return writeLoop(QString::fromLocal8Bit(argv[2]), atoi(argv[3]));
    QCoreApplication app(argc, argv);
    TstSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
