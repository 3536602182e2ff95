#pragma once
// The generated list kept between sessions: its rows, with their ticks,
// written to a file in the user's data folder and read back at the next start.
//
// The file (UTF-8, LF line ends; CR LF is read too):
//
//   Lullara shortlist 1          the mark and the format's version
//   x<TAB>men<TAB>Anna           one line per row, in list order: "x" ticked
//   -<TAB>women<TAB>Zoë          or "-" not, the row's icon key, its text
//   end 2                        the number of rows: a file cut short shows
//
// In a row's text a backslash is written "\\", a line feed "\n", a carriage
// return "\r" and a tab "\t"; nothing else is escaped. An icon key is a word
// of ASCII letters and digits. A file of another version, with another mark,
// or damaged in any way is refused as a whole, with the reason.
//
// The file is written as exports are: in full beside the old one, then put
// in its place in one step (QSaveFile), so a program ended while writing
// leaves the old list or the new one, never a mix.

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QString>
#include <optional>
#include <variant>
#include <vector>

namespace lullara {

class GeneratedRows;

inline const QString kShortlistFile = QStringLiteral("shortlist.txt");
constexpr int kShortlistVersion = 1;

struct ShortlistRow {
    QString text;
    QString iconKey;
    bool ticked = false;
    bool operator==(const ShortlistRow &o) const
    {
        return text == o.text && iconKey == o.iconKey && ticked == o.ticked;
    }
};
using Shortlist = std::vector<ShortlistRow>;

// The rows of `rows`, in list order.
Shortlist shortlistOf(const GeneratedRows &rows);
// Replaces the rows of `rows` with `list`, ticks included.
void restoreShortlist(GeneratedRows &rows, const Shortlist &list);

QByteArray shortlistBytes(const Shortlist &list);
// The rows of a shortlist file's bytes; the reason when it is not one.
std::variant<Shortlist, QString> parseShortlist(const QByteArray &bytes);

// Writes `list` to kShortlistFile in `folder` (made when missing). On
// failure: a sentence with the file's path and the system's reason; the file
// already there is left as it was.
std::optional<QString> writeShortlist(const QString &folder, const Shortlist &list);
// The list kept in `folder`; an empty list when nothing was kept there yet;
// a sentence with the file's path and the reason when it cannot be read or
// is no shortlist file. Removes what a program ended while writing may have
// left beside the file.
std::variant<Shortlist, QString> readShortlist(const QString &folder);

// Keeps the rows of a GeneratedRows in `folder` while enabled: every change
// of the rows or their ticks writes the file again at once.
class ShortlistKeeper : public QObject {
    Q_OBJECT
public:
    ShortlistKeeper(GeneratedRows *rows, QString folder, QObject *parent = nullptr);
    // Switching on writes the rows as they are now. Off by default.
    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }

signals:
    // A write failed: writeShortlist()'s sentence.
    void writeFailed(const QString &reason);

private:
    void write();
    QPointer<GeneratedRows> m_rows;
    QString m_folder;
    bool m_enabled = false;
};

} // namespace lullara
