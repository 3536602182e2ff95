#pragma once
// The names two lists have in common: a list saved by Lullara (its text file
// or HTML page, for instance from the other parent's computer) compared with
// this list's rows.
//
// Reading a saved list: the file must be one of the two export formats
// exactly as plainTextExport() and htmlExport() write them (formats.h): UTF-8
// (a byte-order mark in front is allowed), every fixed line in its place, the
// count line matching the number of names, and "Created with Lullara v." with
// a version. Lines may end with CR LF or LF alone (a transfer may have
// changed them); the date line is not looked at. Names in an HTML page are
// read back from its escapes (&amp; &lt; &gt; &quot; &#39;). Any other file
// is refused with a sentence that says what was expected.
//
// Comparing: two names are the same when they are equal after both are put
// in Unicode normal form C, freed of white space around them and folded to
// one case. So "zoë" matches "Zoë", "ZOË" and a "Zoë" whose ë is written as
// e and a combining diaeresis, but not "Zoe": accents count, case does not.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <variant>

namespace lullara {

class GeneratedRows;

enum class SavedFormat { Text, Html };

struct SavedList {
    SavedFormat format = SavedFormat::Text;
    QStringList names; // in file order, accents and case as written
};

// The names of a saved list's bytes; when the bytes are no such list: why,
// and what was expected (names the file `shownName`).
std::variant<SavedList, QString> parseSavedList(const QByteArray &bytes, const QString &shownName);
// Reads the file at `path` and parses it; the reason when it cannot be read
// or is no saved list.
std::variant<SavedList, QString> readSavedList(const QString &path);

// This list's side of a comparison: the ticked rows, or every row when none
// is ticked, in list order.
QStringList comparedRows(const GeneratedRows &rows);

struct Comparison {
    QStringList shared; // names on both sides, in the order and spelling of `here`, each once
    int here = 0;       // names on this side
    int there = 0;      // names in the saved list
};

Comparison compareNames(const QStringList &here, const QStringList &there);

} // namespace lullara
