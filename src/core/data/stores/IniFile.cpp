#include "core/data/stores/IniFile.h"

#include "core/data/format/CodePage1250.h"
#include "core/data/platform/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

QByteArrayView trimmed(QByteArrayView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.sliced(begin, end - begin);
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && (text.at(begin) == u' ' || text.at(begin) == u'\t'))
        ++begin;
    while (end > begin && (text.at(end - 1) == u' ' || text.at(end - 1) == u'\t'))
        --end;
    return text.sliced(begin, end - begin);
}

bool holdsLineBreakOrNul(QByteArrayView bytes)
{
    for (char c : bytes)
        if (c == '\r' || c == '\n' || c == '\0')
            return true;
    return false;
}

bool isAscii(QByteArrayView bytes)
{
    for (char c : bytes)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

bool isAscii(QStringView text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// A name as stored in the file against a name asked for (already trimmed).
bool sameName(QByteArrayView stored, QStringView wanted)
{
    if (isAscii(stored) && isAscii(wanted)) {
        if (stored.size() != wanted.size())
            return false;
        for (qsizetype i = 0; i < stored.size(); ++i) {
            char a = stored.at(i);
            char b = static_cast<char>(wanted.at(i).unicode());
            if (a >= 'a' && a <= 'z')
                a = static_cast<char>(a - 'a' + 'A');
            if (b >= 'a' && b <= 'z')
                b = static_cast<char>(b - 'a' + 'A');
            if (a != b)
                return false;
        }
        return true;
    }
    return QString::compare(CodePage1250::decode(stored), wanted, Qt::CaseInsensitive) == 0;
}

// One line of the file, without its line end, and what it is.
struct Line
{
    enum Kind { Other, Comment, Section, Entry };

    Line() = default;
    explicit Line(QByteArray bytes) : text(std::move(bytes)) { classify(); }

    void classify()
    {
        const QByteArrayView view = text;
        const QByteArrayView lead = trimmed(view);
        kind = Other;
        name = {};
        equals = -1;
        if (lead.startsWith('[')) {
            const QByteArrayView inner = lead.sliced(1);
            const qsizetype close = inner.indexOf(']');
            kind = Section;
            name = trimmed(close < 0 ? inner : inner.first(close)).toByteArray();
            return;
        }
        if (lead.startsWith(';') || lead.startsWith('#')) {
            kind = Comment;
            return;
        }
        equals = view.indexOf('=');
        if (equals < 0)
            return;
        name = trimmed(view.first(equals)).toByteArray();
        if (!name.isEmpty())
            kind = Entry;
    }

    QByteArrayView value() const { return QByteArrayView(text).sliced(equals + 1); }

    QByteArray text;
    Kind kind = Other;
    QByteArray name;
    qsizetype equals = -1;
};

using Lines = QList<Line>;

// The byte-order mark some editors put at the start of a file: no part of
// its first line, and kept when the file is rewritten.
constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");

Lines splitLines(const QByteArray &data)
{
    Lines lines;
    qsizetype start = data.startsWith(ByteOrderMark) ? ByteOrderMark.size() : 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        qsizetype stop = end;
        if (stop > start && data.at(stop - 1) == '\r')
            --stop;
        lines.append(Line(data.mid(start, stop - start)));
        start = end + 1;
    }
    return lines;
}

QByteArray joinLines(const Lines &lines)
{
    QByteArray data;
    qsizetype size = 0;
    for (const Line &line : lines)
        size += line.text.size() + 2;
    data.reserve(size);
    for (const Line &line : lines) {
        data += line.text;
        data += "\r\n";
    }
    return data;
}

// Where a key of a section is, and where a new one would go.
struct Place
{
    qsizetype section = -1;   // header of the first matching section
    qsizetype lastEntry = -1; // last entry of that section, or its header
    qsizetype key = -1;       // first matching key in any matching section
};

Place locate(const Lines &lines, QStringView section, QStringView key)
{
    Place place;
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines.at(i);
        if (line.kind == Line::Section) {
            inSection = sameName(line.name, section);
            inFirstSection = inSection && place.section < 0;
            if (inFirstSection) {
                place.section = i;
                place.lastEntry = i;
            }
        } else if (line.kind == Line::Entry && inSection) {
            if (inFirstSection)
                place.lastEntry = i;
            if (place.key < 0 && !key.isEmpty() && sameName(line.name, key))
                place.key = i;
        }
    }
    return place;
}

// Runs `change` on the lines of the file under the folder lock and writes
// the result atomically when it asks for it. `change` returns false to fail,
// and clears `write` when the file can stay as it is.
template<typename Change>
bool rewrite(const QString &path, Change change)
{
    return AtomicFile::rewrite(path, [&change](QByteArray &contents) {
        const bool marked = contents.startsWith(ByteOrderMark);
        Lines lines = splitLines(contents);
        bool write = true;
        if (!change(lines, write))
            return AtomicFile::Edit::Fail;
        if (!write)
            return AtomicFile::Edit::Keep;
        contents = joinLines(lines);
        if (marked)
            contents.prepend(ByteOrderMark);
        return AtomicFile::Edit::Write;
    });
}

} // namespace

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::exists() const
{
    return QFileInfo(m_path).isFile();
}

std::optional<QByteArray> IniFile::value(const QString &sectionName, const QString &keyName) const
{
    const QStringView section = trimmed(QStringView(sectionName));
    const QStringView key = trimmed(QStringView(keyName));
    if (section.isEmpty() || key.isEmpty())
        return std::nullopt;
    const std::optional<QByteArray> data = AtomicFile::read(m_path);
    if (!data || data->isEmpty())
        return std::nullopt;
    const Lines lines = splitLines(*data);
    const Place place = locate(lines, section, key);
    if (place.key < 0)
        return std::nullopt;
    return lines.at(place.key).value().toByteArray();
}

bool IniFile::setValue(const QString &sectionName, const QString &keyName, QByteArrayView value)
{
    const QStringView section = trimmed(QStringView(sectionName));
    const QStringView key = trimmed(QStringView(keyName));
    if (!isValidSection(section) || !isValidKey(key) || holdsLineBreakOrNul(value))
        return false;
    return rewrite(m_path, [&](Lines &lines, bool &write) {
        const Place place = locate(lines, section, key);
        if (place.key >= 0) {
            Line &line = lines[place.key];
            if (line.value() == value) {
                write = false;
                return true;
            }
            // Keep the key as it is spelt in the file.
            QByteArray text = line.text.left(line.equals + 1);
            text += value;
            line.text = std::move(text);
            line.classify();
            return true;
        }
        QByteArray entry = CodePage1250::encode(key);
        entry += '=';
        entry += value;
        if (place.section >= 0) {
            lines.insert(place.lastEntry + 1, Line(std::move(entry)));
            return true;
        }
        if (!lines.isEmpty() && !trimmed(QByteArrayView(lines.last().text)).isEmpty())
            lines.append(Line(QByteArray()));
        QByteArray header = "[";
        header += CodePage1250::encode(section);
        header += ']';
        lines.append(Line(std::move(header)));
        lines.append(Line(std::move(entry)));
        return true;
    });
}

bool IniFile::create() const
{
    const QByteArray name = QFile::encodeName(m_path);
    int fd;
    do
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

QStringList IniFile::sections() const
{
    QStringList names;
    const std::optional<QByteArray> data = AtomicFile::read(m_path);
    if (!data)
        return names;
    for (const Line &line : splitLines(*data))
        if (line.kind == Line::Section)
            names.append(CodePage1250::decode(line.name));
    return names;
}

QStringList IniFile::keys(const QString &sectionName) const
{
    QStringList names;
    const QStringView section = trimmed(QStringView(sectionName));
    const std::optional<QByteArray> data = AtomicFile::read(m_path);
    if (!data || section.isEmpty())
        return names;
    bool inSection = false;
    for (const Line &line : splitLines(*data)) {
        if (line.kind == Line::Section)
            inSection = sameName(line.name, section);
        else if (inSection && line.kind == Line::Entry)
            names.append(CodePage1250::decode(line.name));
    }
    return names;
}

bool IniFile::isValidSection(QStringView section)
{
    section = trimmed(section);
    if (section.isEmpty())
        return false;
    for (QChar c : section)
        if (c == u']' || c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    return true;
}

bool IniFile::isValidKey(QStringView key)
{
    key = trimmed(key);
    if (key.isEmpty() || key.startsWith(u'[') || key.startsWith(u';') || key.startsWith(u'#'))
        return false;
    for (QChar c : key)
        if (c == u'=' || c == u'\r' || c == u'\n' || c == u'\0')
            return false;
    return true;
}

QByteArrayView IniFile::trimmedBlanks(QByteArrayView text) { return trimmed(text); }

