#pragma once

#include "counting/Building.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <limits>

namespace quarl {

// The result as the Output box shows it after a Sabo click, read back from the box's text.
struct ResultText
{
    // Empty when the text is sixteen well-formed result lines; otherwise what is wrong with it.
    QString error;
    std::array<std::int32_t, BuildingTypeCount> counts{};
    std::int32_t total = 0;
};

namespace detail {

// A decimal number exactly as the counter writes it: an optional minus sign, no leading zeros, 32 bits.
inline bool ReadDecimal(const QString& text, std::int32_t& value)
{
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<std::int32_t>::min() || number > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(number);
    return QString::number(number) == text;
}

inline std::int32_t WrappingSum(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

inline std::int32_t WrappingProduct(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

} // namespace detail

// Checks that the text is fourteen lines "<name>  (<count>)" in catalogue order, an empty line and
// "Gesamt zerstörte Punkte: <total>", each ended by a line break, with the total matching the counts and points
// (both wrap around at 32 bits), and reads the numbers.
inline ResultText ReadResultText(const QString& text)
{
    using namespace Qt::StringLiterals;
    ResultText result;
    if (!text.endsWith(u'\n')) {
        result.error = u"the text does not end with a line break"_s;
        return result;
    }
    const QStringList lines = text.chopped(1).split(u'\n');
    if (lines.size() != qsizetype(BuildingTypeCount) + 2) {
        result.error = u"%1 lines instead of 16"_s.arg(lines.size());
        return result;
    }
    std::int32_t total = 0;
    for (std::size_t index = 0; index < BuildingTypeCount; ++index) {
        const auto& entry = BuildingCatalogue[index];
        const QString prefix = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size())) + u"  ("_s;
        const QString& line = lines.at(qsizetype(index));
        if (!line.startsWith(prefix) || !line.endsWith(u')') ||
            !detail::ReadDecimal(line.sliced(prefix.size()).chopped(1), result.counts[index])) {
            result.error = u"line %1 is \"%2\""_s.arg(index + 1).arg(line);
            return result;
        }
        total = detail::WrappingSum(total, detail::WrappingProduct(result.counts[index], entry.points));
    }
    const QString totalPrefix = u"Gesamt zerstörte Punkte: "_s;
    if (!lines.at(14).isEmpty() || !lines.at(15).startsWith(totalPrefix) ||
        !detail::ReadDecimal(lines.at(15).sliced(totalPrefix.size()), result.total)) {
        result.error = u"the last two lines are \"%1\" and \"%2\""_s.arg(lines.at(14), lines.at(15));
        return result;
    }
    if (result.total != total)
        result.error = u"the total is %1, but the counts give %2"_s.arg(result.total).arg(total);
    return result;
}

} // namespace quarl
