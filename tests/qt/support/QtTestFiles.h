#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <string>

class QWidget;

// Files, tools and pictures for the Qt tests.
namespace korval::testing {

// Runs a program; its standard output, or a null string when it could not run or failed.
QString RunTool(const QString& program, const QStringList& arguments);
// Pages of a PDF file (pdfinfo); 0 when it cannot be read.
int PdfPageCount(const QString& path);
// The text of one page, or of all pages with page 0 (pdftotext -layout).
QString PdfText(const QString& path, int page = 0);
// Every page and every word's box on it (pdftotext -bbox), with the footer's job date and
// time as DATE and TIME: the printed pages without the minute they were printed in.
QStringList PdfWordBoxes(const QString& path);
// The first line where two lists of pages and word boxes (pdftotext -bbox) differ by more
// than the distance in points, or by a word or a page; empty when they agree. Two PDF
// writers place the same glyphs alike to within rounding, not to the last digit pdftotext
// prints.
QString FirstLayoutDifference(const QStringList& actual, const QStringList& expected,
                              double points);
// Lines of text with runs of blanks made single and ends trimmed; blank lines dropped.
QStringList NormalisedLines(const QString& text);
// Saves a picture of the widget under $KORVAL_SCREENSHOT_DIR when that is set.
void SaveScreenshot(QWidget& widget, const QString& name);
// How many pixels of the image are not (nearly) white.
int InkedPixels(const QImage& image);

}  // namespace korval::testing
