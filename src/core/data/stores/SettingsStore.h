#pragma once

#include "core/data/stores/Keys.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1String>
#include <QString>
#include <functional>
#include <optional>

// What IniStore and RegFlags have in common: one section of one INI file,
// read and written one value at a time with the program's value encodings.
// Nothing is cached: every call opens, reads or rewrites and closes the file
// (IniFile), so every window and every running instance sees a change at
// once, the last writer winning.
//
// Encodings: text as is; integers in decimal, read also in hexadecimal after
// "0x" or "$"; logical values "1" and "0", any non-zero integer reading true;
// colours as their integer value; scrambled text byte-shifted (scramble()).
//
// Reads of a missing key give "ERROR" (text and scrambled text), -11073
// (integer, also for text that is no integer) and false (logical); a stored
// "ERROR" reads exactly like a missing key. The error hook runs after a text
// or scrambled read that gives "ERROR" and after an integer read that finds
// no integer. Without file name or section every call shows a message and
// does nothing (an integer read gives -11037, a logical read false, a text
// read an empty text); an empty key gives the same values without the
// message, and writes nothing.
//
// Every stored value is announced through SettingsEvents.
//
// Writes return false when nothing was stored (misuse, an empty or unusable
// key name, an unwritable file); the file is then left as it was.
class SettingsStore
{
public:
    using ErrorHook = std::function<void(const QString &key)>;

    // Added to every windows-1250 byte of a scrambled text, modulo 256.
    // With 240 the bytes that would come out as CR, LF or NUL are control
    // bytes no typed text holds, and every byte from 0x10 up wraps around.
    static constexpr int ScrambleShift = 240;

    virtual ~SettingsStore();

    const QString &section() const { return m_section; }
    void setSection(QString section) { m_section = std::move(section); }

    void setErrorHook(ErrorHook hook) { m_errorHook = std::move(hook); }

    QString readString(const QString &key) const;
    bool writeString(const QString &key, const QString &value);

    int readInteger(const QString &key) const;
    // As readInteger, but a missing or non-integer value gives `fallback`.
    int readInteger(const QString &key, int fallback) const;
    bool writeInteger(const QString &key, int value);

    bool readBool(const QString &key) const;
    // As readBool, but a missing or non-integer value gives `fallback`.
    bool readBool(const QString &key, bool fallback) const;
    bool writeBool(const QString &key, bool value);

    QString readScrambled(const QString &key) const;
    bool writeScrambled(const QString &key, const QString &value);

    // The keys of the catalogue (Keys.h).
    bool read(BoolKey key) const { return readBool(QLatin1String(key.name), key.fallback); }
    int read(IntKey key) const { return readInteger(QLatin1String(key.name), key.fallback); }
    int read(ColorKey key) const { return readInteger(QLatin1String(key.name), key.fallback); }
    QString read(TextKey key) const { return readString(QLatin1String(key.name)); }
    QString read(ScrambledKey key) const { return readScrambled(QLatin1String(key.name)); }
    bool write(BoolKey key, bool value) { return writeBool(QLatin1String(key.name), value); }
    bool write(IntKey key, int value) { return writeInteger(QLatin1String(key.name), value); }
    bool write(ColorKey key, int value) { return writeInteger(QLatin1String(key.name), value); }
    bool write(TextKey key, const QString &value) { return writeString(QLatin1String(key.name), value); }
    bool write(ScrambledKey key, const QString &value) { return writeScrambled(QLatin1String(key.name), value); }

    // True for what a text read gives when the key is missing.
    static bool isMissing(const QString &text) { return text == QLatin1String(Settings::MissingText); }

    // The file the store works on now, its names resolved against the disk;
    // empty while the store lacks what names its file.
    QString filePath() const { return resolvePath(); }

    // The stored form of a scrambled text and back, byte by byte.
    static QByteArray scramble(QByteArrayView plain);
    static QByteArray unscramble(QByteArrayView stored);

    // An integer as the stores read it: optional blanks, an optional sign,
    // then decimal digits, or "0x" or "$" and hexadecimal digits. Decimal
    // values must lie in the 32-bit range; hexadecimal digits give a 32-bit
    // pattern ("$FFFFFFFF" is -1, as colours were written), negated after a
    // minus sign. Anything else is no integer.
    static std::optional<int> parseInteger(QByteArrayView text);

protected:
    explicit SettingsStore(QString section);
    SettingsStore(const SettingsStore &) = default;
    SettingsStore &operator=(const SettingsStore &) = default;

    // The file to work on, or empty when there is none to name.
    virtual QString resolvePath() const = 0;
    // The message for a store without file name or section.
    virtual QString misuseMessage() const = 0;
    // Runs before every usable call on `path`, to create what must exist.
    virtual void prepare(const QString &path, bool forWrite) const;

private:
    enum class Use { Usable, Misuse, EmptyKey };
    Use check(const QString &key, QString &path, bool forWrite) const;
    std::optional<QByteArray> rawValue(const QString &path, const QString &key) const;
    // The stored bytes of a text key, or nullopt with what the read gives
    // instead: empty for an unusable key, the missing text (reported) for
    // a key that is not there.
    std::optional<QByteArray> storedText(const QString &key, QString &fallback) const;
    bool rawWrite(const QString &key, const QByteArray &bytes);
    void reportError(const QString &key) const;

    QString m_section;
    ErrorHook m_errorHook;
};
