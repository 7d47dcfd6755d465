#include "app/qt/QtText.h"

#include <vector>

namespace korval {

namespace {

std::vector<std::string_view> SplitBars(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string_view::npos) bar = text.size();
        parts.push_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    return parts;
}

QString QtPatterns(std::string_view patterns) {
    QStringList result;
    for (const QString& pattern : ToQString(patterns).split(';', Qt::SkipEmptyParts)) {
        QString trimmed = pattern.trimmed();
        result << (trimmed == "*.*" ? QStringLiteral("*") : trimmed);
    }
    return result.join(' ');
}

// The description without a trailing "(...)" that repeats the patterns.
QString DescriptionWithoutPatterns(std::string_view description) {
    QString text = ToQString(description).trimmed();
    if (text.endsWith(')')) {
        int open = text.lastIndexOf('(');
        if (open > 0) text = text.left(open).trimmed();
    }
    return text;
}

}  // namespace

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdString(const QString& text) {
    return text.toUtf8().toStdString();
}

QString ToQtLineBreaks(std::string_view text) {
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace('\r', '\n');
    return result;
}

std::string ToCoreLineBreaks(const QString& text) {
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    normalised.replace('\r', '\n');
    normalised.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return ToStdString(normalised);
}

QStringList ToQtNameFilters(std::string_view filters) {
    QStringList result;
    std::vector<std::string_view> parts = SplitBars(filters);
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = QtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        result << DescriptionWithoutPatterns(parts[i]) + " (" + patterns + ")";
    }
    return result;
}

}  // namespace korval
