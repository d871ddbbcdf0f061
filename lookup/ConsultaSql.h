#pragma once
// The statements of the list lookup, built as text: the condition in parentheses, the
// row limit, the three ways of turning a lookup request into a statement, and the
// server-side filter typed into a search box.
#include "frame/QueryMasks.h"
#include <QString>
#include <QStringList>

namespace lookup {

// A condition longer than one character that does not open with "(" goes in parentheses.
QString WrapCondition(const QString& Where);

// The row limit of mask and generic statements from the "TopConsArt" setting: 1000
// when the setting is not a positive number.
qint32 RowLimit(const QString& topConsArt);

// The statement of a bare name that has a mask. False when the mask lists a single
// column and the caller names no search column: the mask must be configured first.
bool MaskStatement(const MascaraConsulta& mask, const QString& Where, qint32 rows, QString& CampoBusqueda,
                   QString& statement);

// A caller's full statement with its condition: joined with AND to a WHERE the
// statement already has, placed before its GROUP BY or ORDER BY. Where comes back as the
// original passes it on (" WHERE " in front when it names no WHERE).
QString FullStatement(const QString& SQL, QString& Where);

// The statement of a name without a mask, from the names of its columns in table order.
// CampoBusqueda comes back as the column the list is searched and sorted by.
QString GenericStatement(const QString& SQL, const QStringList& columns, const QString& Where, qint32 rows,
                         QString& CampoBusqueda);

// The server-side filter of a search box: the query narrowed to the rows whose column
// `field` begins with (or, with `contains`, holds the words of) `text`. SQLBase and
// SQLCola come back as the statement's head and its GROUP BY / ORDER BY tail.
QString FilterStatement(const QString& SQL, QString& SQLBase, QString& SQLCola, const QString& field,
                        const QString& text, bool contains);

// Apostrophes doubled, for text that goes between quotes.
QString Quoted(const QString& text);

} // namespace lookup
