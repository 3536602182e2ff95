// The general date, the printout's lines, the mail link and the clipboard text.

#include "output/formats.h"

#include <QUrlQuery>
#include <QtTest>

using namespace lullara;

class TestFormats : public QObject {
    Q_OBJECT

private slots:
    void generalDate()
    {
        const QLocale c = QLocale::c(), german(QLocale::German, QLocale::Germany);
        const std::tuple<QLocale, QTime, const char *> rows[] = {
            {c, QTime(0, 0), "7 Mar 2024"},
            {c, QTime(0, 0, 1), "7 Mar 2024 00:00:01"},
            {c, QTime(0, 0, 0, 999), "7 Mar 2024"}, // midnight lasts the whole second
            {german, QTime(0, 0), "07.03.24"},
            {german, QTime(14, 5, 9), "07.03.24 14:05:09"}, // no time zone
            {QLocale(QLocale::English, QLocale::UnitedStates), QTime(14, 5, 9), "3/7/24 2:05:09 PM"}};
        for (const auto &[locale, time, expected] : rows) {
            const QDateTime when(QDate(2024, 3, 7), time);
            QCOMPARE(lullara::generalDate(when, locale), QString(expected));
            const QLocale saved;
            QLocale::setDefault(locale); // as the program calls it: the user's locale
            const QString byDefault = lullara::generalDate(when);
            QLocale::setDefault(saved);
            QCOMPARE(byDefault, QString(expected));
        }
    }
    void printoutAndClipboard()
    {
        QCOMPARE(printoutLines({"Anna", "Ben", "Anna"}, QStringLiteral("d")),
                 (QStringList{"  ============[ Lullara ]============", " ", "Anna", "Ben", "Anna", " ", "3 names",
                              "Created with Lullara v.2.0", "d"}));
        QCOMPARE(clipboardText({"Anna", "", "Carl"}), QStringLiteral("Anna\r\n\r\nCarl\r\n"));
        QCOMPARE(clipboardText({}), QString());
    }
    void mailto()
    {
        QCOMPARE(mailBody({}), QStringLiteral("Choosen Names :\r\n"));
        QCOMPARE(mailtoLink(mailBody({"Anna", "Ben"})),
                 QStringLiteral("mailto:?Body=Choosen%20Names%20:%0D%0A%20:%20%20Anna%0D%0A%20:%20%20Ben%0D%0A"
                                "&Subject=::%20Lullara%20:"));
        // What a mail program reads from the link: two fields, decoded back to
        // the body and the subject; nothing left unencoded that RFC 6068 forbids.
        const QStringList names{"Anne & Bo", "Who?", "#1", "100%", "a=b", "x/y", "line\r\nbreak", "a+b",
                                QStringLiteral("Zo\u00eb")};
        for (const QString &name : names) {
            const QString body = mailBody({name});
            const QString link = mailtoLink(body);
            for (QChar c : link)
                QVERIFY2(c.unicode() < 0x80 && (c.isLetterOrNumber() || QString("-._~!$'()*+,;:@%?=&").contains(c)),
                         qPrintable(link));
            QCOMPARE(link.count('?') + link.count('&') + link.count('='), 4); // no field made by a name
            const QUrl url(link, QUrl::StrictMode);
            QVERIFY2(url.isValid() && url.scheme() == "mailto", qPrintable(url.errorString()));
            const QUrlQuery query(url);
            QCOMPARE(query.queryItemValue("Body", QUrl::FullyDecoded), body);
            QCOMPARE(query.queryItemValue("Subject", QUrl::FullyDecoded), QStringLiteral(":: Lullara :"));
        }
    }
};

QTEST_APPLESS_MAIN(TestFormats)
#include "tst_formats.moc"
