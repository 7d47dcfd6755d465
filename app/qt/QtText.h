#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

// Text conversions at the boundary between the core (UTF-8, CR LF line breaks, Windows
// file-dialog filters) and Qt.
namespace korval {

QString ToQString(std::string_view text);
std::string ToStdString(const QString& text);

// CR LF and lone CR become "\n" for Qt's editors and painters.
QString ToQtLineBreaks(std::string_view text);
// Every "\n" becomes CR LF, as the core stores line breaks.
std::string ToCoreLineBreaks(const QString& text);

// "Desc (*.PRJ)|*.PRJ|All Files (*.*)|*.*|" -> {"Desc (*.PRJ)", "All Files (*)"}: each
// pair as Qt's "description (patterns)". "*.*" means every file, so it becomes "*"
// (on Linux "*.*" would skip names without a dot).
QStringList ToQtNameFilters(std::string_view filters);

}  // namespace korval
