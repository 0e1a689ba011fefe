#include "core/data/stores/SettingsStore.h"
#include "core/data/format/CodePage1250.h"

#include "core/data/platform/Prompter.h"
#include "core/data/stores/IniFile.h"
#include "core/data/stores/SettingsEvents.h"

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

const QByteArray &missingBytes()
{
    static const QByteArray bytes(Settings::MissingText);
    return bytes;
}

} // namespace

SettingsStore::SettingsStore(QString section) : m_section(std::move(section)) {}

SettingsStore::~SettingsStore() = default;

void SettingsStore::prepare(const QString &, bool) const {}

std::optional<int> SettingsStore::parseInteger(QByteArrayView text)
{
    text = IniFile::trimmedBlanks(text);

    bool negative = false;
    if (text.startsWith('+') || text.startsWith('-')) {
        negative = text.front() == '-';
        text = text.sliced(1);
    }
    bool hex = false;
    if (text.startsWith('$')) {
        hex = true;
        text = text.sliced(1);
    } else if (text.size() >= 2 && text.at(0) == '0' && (text.at(1) == 'x' || text.at(1) == 'X')) {
        hex = true;
        text = text.sliced(2);
    }
    if (text.isEmpty())
        return std::nullopt;

    const qint64 limit = hex ? 0xFFFFFFFFLL : (negative ? 0x80000000LL : 0x7FFFFFFFLL);
    const int base = hex ? 16 : 10;
    qint64 value = 0;
    for (char c : text) {
        const int digit = hexDigit(c);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    if (hex) {
        const quint32 pattern = static_cast<quint32>(value);
        return static_cast<int>(negative ? 0U - pattern : pattern);
    }
    return static_cast<int>(negative ? -value : value);
}

QByteArray SettingsStore::scramble(QByteArrayView plain)
{
    QByteArray stored(plain.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < plain.size(); ++i)
        stored[i] = static_cast<char>((static_cast<unsigned char>(plain.at(i)) + ScrambleShift) & 0xFF);
    return stored;
}

QByteArray SettingsStore::unscramble(QByteArrayView stored)
{
    QByteArray plain(stored.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < stored.size(); ++i)
        plain[i] = static_cast<char>((static_cast<unsigned char>(stored.at(i)) + 256 - ScrambleShift) & 0xFF);
    return plain;
}

SettingsStore::Use SettingsStore::check(const QString &key, QString &path, bool forWrite) const
{
    path = m_section.trimmed().isEmpty() ? QString() : resolvePath();
    if (path.isEmpty()) {
        Prompter::global().message(misuseMessage());
        return Use::Misuse;
    }
    prepare(path, forWrite);
    return key.trimmed().isEmpty() ? Use::EmptyKey : Use::Usable;
}

std::optional<QByteArray> SettingsStore::rawValue(const QString &path, const QString &key) const
{
    return IniFile(path).value(m_section, key);
}

bool SettingsStore::rawWrite(const QString &key, const QByteArray &bytes)
{
    QString path;
    if (check(key, path, true) != Use::Usable)
        return false;
    if (!IniFile(path).setValue(m_section, key, bytes))
        return false;
    SettingsEvents::instance().announce(path, m_section, key);
    return true;
}

void SettingsStore::reportError(const QString &key) const
{
    if (m_errorHook)
        m_errorHook(key);
}

std::optional<QByteArray> SettingsStore::storedText(const QString &key, QString &fallback) const
{
    QString path;
    if (check(key, path, false) != Use::Usable) {
        fallback = QString();
        return std::nullopt;
    }
    const std::optional<QByteArray> stored = rawValue(path, key);
    if (!stored || *stored == missingBytes()) {
        reportError(key);
        fallback = QLatin1String(Settings::MissingText);
        return std::nullopt;
    }
    return stored;
}

QString SettingsStore::readString(const QString &key) const
{
    QString fallback;
    const std::optional<QByteArray> stored = storedText(key, fallback);
    return stored ? CodePage1250::decode(*stored) : fallback;
}

bool SettingsStore::writeString(const QString &key, const QString &value)
{
    // A line break would end the value and turn the rest into lines of
    // their own; it is stored as a blank instead.
    QString line = value;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    line.replace(QChar(u'\0'), QLatin1Char(' '));
    return rawWrite(key, CodePage1250::encode(line));
}

int SettingsStore::readInteger(const QString &key) const
{
    return readInteger(key, Settings::MissingInteger);
}

int SettingsStore::readInteger(const QString &key, int fallback) const
{
    QString path;
    if (check(key, path, false) != Use::Usable)
        return Settings::MisuseInteger;
    const std::optional<QByteArray> stored = rawValue(path, key);
    const std::optional<int> value = stored ? parseInteger(*stored) : std::nullopt;
    if (!value) {
        reportError(key);
        return fallback;
    }
    return *value;
}

bool SettingsStore::writeInteger(const QString &key, int value)
{
    return rawWrite(key, QByteArray::number(value));
}

bool SettingsStore::readBool(const QString &key) const
{
    return readBool(key, false);
}

bool SettingsStore::readBool(const QString &key, bool fallback) const
{
    QString path;
    if (check(key, path, false) != Use::Usable)
        return false;
    const std::optional<QByteArray> stored = rawValue(path, key);
    const std::optional<int> value = stored ? parseInteger(*stored) : std::nullopt;
    return value ? *value != 0 : fallback;
}

bool SettingsStore::writeBool(const QString &key, bool value)
{
    return rawWrite(key, value ? QByteArrayLiteral("1") : QByteArrayLiteral("0"));
}

QString SettingsStore::readScrambled(const QString &key) const
{
    QString fallback;
    const std::optional<QByteArray> stored = storedText(key, fallback);
    return stored ? CodePage1250::decode(unscramble(*stored)) : fallback;
}

bool SettingsStore::writeScrambled(const QString &key, const QString &value)
{
    QByteArray plain = CodePage1250::encode(value);
    // The only bytes that the shift turns into NUL, LF or CR; no typed text
    // holds them, and a blank in their place keeps the value on one line.
    for (char &c : plain)
        if (c == '\x10' || c == '\x1a' || c == '\x1d')
            c = ' ';
    return rawWrite(key, scramble(plain));
}
