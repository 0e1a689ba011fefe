#include "convert/paradox/TableConversion.h"

#include "convert/paradox/ConversionError.h"
#include "convert/paradox/MemoFile.h"
#include "convert/paradox/ParadoxFile.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/FieldCodec.h"
#include "core/data/engine/Table.h"
#include "core/data/format/Money.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace TableConversion {

namespace {

// At most this many problems are told; the rest are counted.
constexpr int ToldProblems = 10;
// Beyond this an amount no longer keeps its ten-thousandths in a double.
constexpr double LargestAmount = 9.0e14;

ConversionError refused(const QString &why) { return {why}; }

QString numberText(double number) { return QString::number(number, 'g', 17); }

} // namespace

QString freeName(const QString &path, const QString &suffix)
{
    QString name = path + suffix;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = path + suffix + QStringLiteral(".%1").arg(n);
    return name;
}

void removeTableFile(const QString &path)
{
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

QVariant convertedValue(const FieldDef &def, const QVariant &value)
{
    if (value.isNull())
        return {};
    if (def.type == FieldType::Money) {
        if (value.typeId() == QMetaType::Double) {
            const double amount = value.toDouble();
            if (!std::isfinite(amount) || std::fabs(amount) >= LargestAmount)
                throw refused(QStringLiteral("částka %1 je mimo rozsah, který program uchová").arg(numberText(amount)));
            return QVariant::fromValue(Money::fromDouble(amount));
        }
        if (value.typeId() == QMetaType::LongLong)
            return QVariant::fromValue(Money::fromCrowns(value.toLongLong()));
        const std::optional<Money> parsed = Money::parse(value.toString());
        if (!parsed)
            throw refused(QStringLiteral("„%1“ není částka").arg(value.toString()));
        return QVariant::fromValue(*parsed);
    }
    if (def.type == FieldType::Text && value.typeId() == QMetaType::QString && def.size > 0
        && value.toString().size() > def.size)
        throw refused(QStringLiteral("text má %1 znaků, pole jich pojme %2").arg(value.toString().size()).arg(def.size));
    if (def.type == FieldType::Bytes && value.typeId() == QMetaType::QByteArray && def.size > 0
        && value.toByteArray().size() > def.size)
        throw refused(QStringLiteral("hodnota má %1 bajtů, pole jich pojme %2").arg(value.toByteArray().size()).arg(def.size));
    QVariant given = value;
    // A BCD number comes as text with a decimal point; the codec reads the
    // locale's comma.
    if (def.type == FieldType::Bcd && value.typeId() == QMetaType::QString) {
        bool ok = false;
        const double number = value.toString().toDouble(&ok);
        if (!ok)
            throw refused(QStringLiteral("„%1“ není číslo").arg(value.toString()));
        given = number;
    }
    QVariant kept;
    try {
        kept = FieldCodec::normalized(def, given);
    } catch (const EngineError &error) {
        throw refused(error.message());
    }
    if (kept.isNull())
        throw refused(QStringLiteral("hodnotu „%1“ nelze uložit do pole druhu %2")
                          .arg(value.toString(), FieldTypes::describe(def)));
    return kept;
}

Result convertToTable(const QString &source, const QString &target, const Layout &layout)
{
    const ParadoxFile paradox(source);
    Result result;

    // Which Paradox field feeds each field of the layout.
    QList<int> sourceOf;
    QList<bool> used(paradox.fields().size(), false);
    for (const FieldDef &def : layout) {
        int found = -1;
        for (int i = 0; i < paradox.fields().size(); ++i)
            if (paradox.fields().at(i).name.trimmed().compare(def.name, Qt::CaseInsensitive) == 0) {
                found = i;
                used[i] = true;
                break;
            }
        sourceOf.append(found);
        if (found < 0)
            result.notes << QStringLiteral("pole %1 v původní tabulce není, zůstává prázdné").arg(def.name);
    }
    for (int i = 0; i < paradox.fields().size(); ++i)
        if (!used.at(i))
            result.notes << QStringLiteral("pole %1 program nezná, jeho hodnoty se nepřevádějí").arg(paradox.fields().at(i).name);
    if (std::none_of(sourceOf.begin(), sourceOf.end(), [](int i) { return i >= 0; }))
        throw refused(QStringLiteral("tabulka nemá žádné pole tabulky %1").arg(QFileInfo(target).fileName()));

    if (QFileInfo::exists(target))
        throw refused(QStringLiteral("soubor %1 už existuje").arg(QDir::toNativeSeparators(target)));

    QStringList problems;
    int problemCount = 0;
    const auto problem = [&](int row, const QString &field, const QString &why) {
        if (++problemCount <= ToldProblems)
            problems << (field.isEmpty() ? QStringLiteral("řádek %1: %2").arg(row).arg(why)
                                         : QStringLiteral("řádek %1, pole %2: %3").arg(row).arg(field, why));
    };
    // The rows are written in one transaction as they are read; the first
    // problem stops the writing (the reading goes on, to tell them all),
    // and then, as on any failure, no target file is left.
    try {
        Table::create(target, layout);
        Table table;
        const QFileInfo info(target);
        table.setFolder(info.absolutePath());
        table.setTableName(info.fileName());
        table.setExpectedLayout(layout);
        table.open();
        table.beginBatch();
        try {
            QVariantList converted;
            converted.reserve(layout.size());
            for (int index = 0; index < paradox.recordCount(); ++index) {
                const int row = index + 1;
                QVariantList values;
                bool deleted = false;
                try {
                    values = paradox.record(index, &deleted);
                } catch (const ConversionError &error) {
                    problem(row, error.field, error.message);
                    continue;
                }
                if (deleted)
                    continue;
                converted.clear();
                for (int f = 0; f < layout.size(); ++f) {
                    const int from = sourceOf.at(f);
                    try {
                        converted.append(from < 0 ? QVariant() : convertedValue(layout.at(f), values.at(from)));
                    } catch (const ConversionError &error) {
                        problem(row, layout.at(f).name, error.message);
                        converted.append(QVariant());
                    }
                }
                if (problemCount > 0)
                    continue;
                table.append();
                for (int f = 0; f < converted.size(); ++f)
                    if (!converted.at(f).isNull())
                        table.setValue(f, converted.at(f));
                table.post();
                ++result.rows;
            }
            if (problemCount > 0)
                table.rollbackBatch();
            else
                table.commitBatch();
        } catch (...) {
            table.rollbackBatch();
            throw;
        }
        table.close();
    } catch (const EngineError &error) {
        removeTableFile(target);
        throw refused(error.message());
    } catch (...) {
        removeTableFile(target);
        throw;
    }
    if (problemCount > 0) {
        removeTableFile(target);
        if (problemCount > ToldProblems)
            problems << QStringLiteral("… a dalších %1 chyb").arg(problemCount - ToldProblems);
        throw refused(QStringLiteral("tyto hodnoty nelze převést:\n") + problems.join(QLatin1Char('\n')));
    }
    return result;
}

Result convertInPlace(const QString &path, const Layout &layout)
{
    const QFileInfo original(path);
    const QString temporary = path + QStringLiteral(".prevod");
    removeTableFile(temporary); // left by a conversion that was cut off
    Result result = convertToTable(path, temporary, layout);

    const QString memo = MemoFile::besideTable(path);
    const QString kept = freeName(path, QStringLiteral(".paradox"));
    if (!QFile::rename(path, kept)) {
        removeTableFile(temporary);
        throw refused(QStringLiteral("původní soubor nelze přejmenovat na %1").arg(QFileInfo(kept).fileName()));
    }
    if (!QFile::rename(temporary, path)) {
        QFile::rename(kept, path);
        removeTableFile(temporary);
        throw refused(QStringLiteral("převedenou tabulku nelze uložit pod jménem %1").arg(original.fileName()));
    }
    if (!memo.isEmpty())
        QFile::rename(memo, freeName(memo, QStringLiteral(".paradox")));
    result.notes << QStringLiteral("původní soubor je uložen jako %1").arg(QFileInfo(kept).fileName());
    return result;
}

} // namespace TableConversion
