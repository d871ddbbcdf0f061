#pragma once
// The order of a list's rows by one column: its texts in the workstation's alphabet, or
// the dates or numbers they show. Every list of the program sorts this way.
#include <QString>
#include <QVector>
#include <functional>

namespace ui {

// How a column's texts compare when the list is sorted by it: as texts (letter case
// ignored, the workstation's alphabet), or by the date or the number they show. Texts
// that show no date or number go before all others.
enum class SortAs { Text, Date, Number };

// Reorders `order`, which holds every row number from 0 to its size - 1 once, by the
// text `text` gives for each row; rows that compare equal keep their order.
void SortRows(QVector<int>& order, const std::function<QString(int row)>& text, SortAs sortAs, bool descending);

} // namespace ui
