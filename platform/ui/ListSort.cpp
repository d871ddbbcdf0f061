// The order of a list's rows by one column.
#include "platform/ui/ListSort.h"

#include "platform/vb/Strings.h"
#include "platform/vb/TypedNumber.h"

#include <QCollator>
#include <QDateTime>
#include <QLocale>
#include <algorithm>
#include <limits>
#include <vector>

namespace ui {

namespace {

// The sort key of a text that shows a date: its moment; none (lowest) otherwise.
qint64 dateKey(const QString& text)
{
    QDateTime moment;
    if (text.isEmpty() || !vb::ParseDate(text, moment))
        return std::numeric_limits<qint64>::min();
    return moment.toMSecsSinceEpoch();
}

// The sort key of a text that shows a number as the workstation writes it.
double numberKey(const QString& text)
{
    vb::TypedNumber number;
    if (text.isEmpty() || !vb::ReadTypedNumber(text, number))
        return -std::numeric_limits<double>::infinity();
    return number.canonical().toDouble();
}

// Texts sort in the workstation's alphabet; a workstation without one (the C locale,
// which orders by character codes and letter case) sorts in the suite's, Spanish.
QLocale collationLocale()
{
    const QLocale workstation;
    return workstation.language() == QLocale::C ? QLocale(QLocale::Spanish) : workstation;
}

// The order of rows by one key per row; equal keys keep the order they had.
template <typename Key>
void sortByKeys(QVector<int>& order, const std::vector<Key>& keys, bool descending)
{
    if (descending)
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[size_t(b)] < keys[size_t(a)]; });
    else
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
}

} // namespace

void SortRows(QVector<int>& order, const std::function<QString(int row)>& text, SortAs sortAs, bool descending)
{
    const int rows = int(order.size());
    if (rows < 2)
        return;
    const size_t n = size_t(rows);
    if (sortAs == SortAs::Date) {
        std::vector<qint64> keys(n);
        for (int row = 0; row < rows; ++row)
            keys[size_t(row)] = dateKey(text(row));
        sortByKeys(order, keys, descending);
    } else if (sortAs == SortAs::Number) {
        std::vector<double> keys(n);
        for (int row = 0; row < rows; ++row)
            keys[size_t(row)] = numberKey(text(row));
        sortByKeys(order, keys, descending);
    } else {
        QCollator collator(collationLocale());
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(false);
        // One key per row, made once: comparing two keys is comparing bytes, where
        // comparing two texts through the collator would redo the work each time.
        std::vector<QCollatorSortKey> keys;
        keys.reserve(n);
        for (int row = 0; row < rows; ++row)
            keys.push_back(collator.sortKey(text(row)));
        sortByKeys(order, keys, descending);
    }
}

} // namespace ui
