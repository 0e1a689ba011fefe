#include "core/data/engine/FieldCodec.h"

#include "core/data/engine/EngineError.h"
#include "core/data/format/Locale.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <limits>

namespace FieldCodec {

namespace {

QString quotedName(const QString &name) { return QStringLiteral("„") + name + QStringLiteral("“"); }

} // namespace

QString text(const FieldDef &def, const QVariant &v)
{
    if (v.isNull())
        return QString();
    switch (def.type) {
    case FieldType::Money: return Locale::moneyPlain(v.value<Money>());
    case FieldType::Number: return Locale::number(v.toDouble());
    case FieldType::Date: return Locale::date(v.toDate());
    case FieldType::Time: return v.toTime().toString(QStringLiteral("H:mm:ss"));
    case FieldType::Timestamp:
        return Locale::date(v.toDateTime().date()) + QLatin1Char(' ')
               + v.toDateTime().time().toString(QStringLiteral("H:mm:ss"));
    case FieldType::Logical: return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Bcd: return QString(v.toString()).replace(QLatin1Char('.'), Locale::decimalSeparator());
    default: return v.toString();
    }
}

QString displayText(const FieldDef &def, const QVariant &v)
{
    if (!v.isNull() && def.type == FieldType::Money)
        return Locale::money(v.value<Money>());
    return text(def, v);
}

QVariant normalized(const FieldDef &def, const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();
    auto outOfRange = [&](qint64 number) {
        return EngineError(QStringLiteral("Hodnota %1 je mimo rozsah pole %2.").arg(number).arg(quotedName(def.name)));
    };
    switch (def.type) {
    case FieldType::Text:
    case FieldType::Memo:
    case FieldType::FormattedMemo: {
        QString text = value.toString();
        if (def.type == FieldType::Text && def.size > 0 && text.size() > def.size)
            text.truncate(def.size);
        return text.isEmpty() ? QVariant() : QVariant(text);
    }
    case FieldType::Bcd: {
        if (value.typeId() == QMetaType::QString)
            return fromText(def, value.toString());
        return QString::number(value.toDouble(), 'f', def.size);
    }
    case FieldType::Date: {
        const QDate date = value.typeId() == QMetaType::QDateTime ? value.toDateTime().date() : value.toDate();
        return date.isValid() ? QVariant(date) : QVariant();
    }
    case FieldType::Time: {
        const QTime time = value.toTime();
        return time.isValid() ? QVariant(time) : QVariant();
    }
    case FieldType::Timestamp: {
        const QDateTime when = value.toDateTime();
        return when.isValid() ? QVariant(when) : QVariant();
    }
    case FieldType::Money:
        if (value.canConvert<Money>() && value.metaType() == QMetaType::fromType<Money>())
            return value;
        if (value.typeId() == QMetaType::QString)
            return fromText(def, value.toString());
        return QVariant::fromValue(Money::fromDouble(value.toDouble()));
    case FieldType::Number:
        if (value.metaType() == QMetaType::fromType<Money>())
            return value.value<Money>().toDouble();
        return value.toDouble();
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement: {
        bool ok = false;
        const qint64 number = value.toLongLong(&ok);
        if (!ok)
            throw EngineError(QStringLiteral("%1 není celé číslo pro pole %2.").arg(value.toString(), quotedName(def.name)));
        // Short fields keep any 32-bit number: a row number of a ledger with
        // more than 32767 rows must stay distinct rather than wrap around.
        if (number < std::numeric_limits<qint32>::min() || number > std::numeric_limits<qint32>::max())
            throw outOfRange(number);
        return int(number);
    }
    case FieldType::Logical:
        return value.toBool();
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes: {
        QByteArray bytes = value.toByteArray();
        if (def.type == FieldType::Bytes && def.size > 0 && bytes.size() > def.size)
            bytes.truncate(def.size);
        return bytes.isEmpty() ? QVariant() : QVariant(bytes);
    }
    }
    return QVariant();
}

QVariant fromText(const FieldDef &def, const QString &input)
{
    const QString text = def.type == FieldType::Text || def.type == FieldType::Memo
                                 || def.type == FieldType::FormattedMemo
                             ? input
                             : input.trimmed();
    if (text.isEmpty())
        return QVariant();
    auto invalid = [&](const char *what) {
        return EngineError(QStringLiteral("%1 není %2.").arg(quotedName(text), QString::fromUtf8(what)));
    };
    switch (def.type) {
    case FieldType::Money: {
        const auto money = Money::parse(text);
        if (!money)
            throw invalid("platná částka");
        return QVariant::fromValue(*money);
    }
    case FieldType::Number:
    case FieldType::Bcd: {
        const auto number = Locale::parseNumber(text);
        if (!number)
            throw invalid("platné číslo");
        if (def.type == FieldType::Bcd)
            return QString::number(*number, 'f', def.size);
        return *number;
    }
    case FieldType::Short:
    case FieldType::Long:
    case FieldType::AutoIncrement: {
        bool ok = false;
        const qint64 number = text.toLongLong(&ok);
        if (!ok)
            throw invalid("platné celé číslo");
        return normalized(def, number);
    }
    case FieldType::Date: {
        const auto date = Locale::parseDate(text);
        if (!date)
            throw invalid("platné datum");
        return *date;
    }
    case FieldType::Time: {
        QTime time = QTime::fromString(text, QStringLiteral("H:mm:ss"));
        if (!time.isValid())
            time = QTime::fromString(text, QStringLiteral("H:mm"));
        if (!time.isValid())
            throw invalid("platný čas");
        return time;
    }
    case FieldType::Timestamp: {
        const int blank = text.indexOf(QLatin1Char(' '));
        const auto date = Locale::parseDate(blank < 0 ? text : text.left(blank));
        QTime time(0, 0);
        if (blank >= 0)
            time = QTime::fromString(text.mid(blank + 1).trimmed(), QStringLiteral("H:mm:ss"));
        if (!date || !time.isValid())
            throw invalid("platné datum a čas");
        return QDateTime(*date, time);
    }
    case FieldType::Logical: {
        const QString lower = text.toLower();
        if (lower == QLatin1String("true") || lower == QLatin1String("ano") || lower == QLatin1String("1"))
            return true;
        if (lower == QLatin1String("false") || lower == QLatin1String("ne") || lower == QLatin1String("0"))
            return false;
        throw invalid("logická hodnota");
    }
    case FieldType::Graphic:
    case FieldType::Ole:
    case FieldType::Binary:
    case FieldType::Bytes:
        return normalized(def, text.toUtf8());
    default:
        return normalized(def, text);
    }
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    return a == b;
}

} // namespace FieldCodec
