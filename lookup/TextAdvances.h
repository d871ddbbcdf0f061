#pragma once
// Of many texts, the one a font draws widest, found without measuring each one whole.
#include <QChar>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QString>

namespace lookup {

// A text's width as the sum of its characters' advances, each measured once: a line's
// width save kerning, so that of a hundred thousand texts only the widest needs to be
// measured whole.
class TextAdvances {
public:
    explicit TextAdvances(const QFont& font) : metrics_(font) {}
    int sum(const QString& text);
    const QFontMetrics& metrics() const { return metrics_; }

private:
    QFontMetrics metrics_;
    QHash<QChar, int> advances_;
};

} // namespace lookup
