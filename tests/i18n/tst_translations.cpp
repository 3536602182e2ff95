// The German and French catalogues as a translator leaves them: every text
// translated and finished, none left behind by a text the program no longer
// has, and each translation with the placeholders and the access key of its
// English text.

#include <QtTest>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context, source, comment, translation, type;
    bool numerus = false;
};

QList<Message> readCatalogue(const QString &path, QString *language)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message")
                messages.append(current);
            continue;
        }
        const auto name = xml.name();
        if (name == u"TS") {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            current = Message{context, {}, {}, {}, {}, xml.attributes().value(QLatin1String("numerus")) == u"yes"};
        } else if (name == u"source") {
            current.source = xml.readElementText();
        } else if (name == u"comment") {
            current.comment = xml.readElementText();
        } else if (name == u"translation") {
            current.type = xml.attributes().value(QLatin1String("type")).toString();
            current.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

// The placeholders %1 .. %99 of a text, sorted: a translation may move them.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?(\\d{1,2})"));
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found << it.next().captured(1);
    found.sort();
    return found;
}

// The access keys of a text: "&" before a character, "&&" being a plain "&".
int accessKeys(const QString &text)
{
    int keys = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) != QLatin1Char('&') && !text.at(i + 1).isSpace())
            ++keys;
        ++i;
    }
    return keys;
}

QString where(const Message &m) { return m.context + QStringLiteral(": \"") + m.source + QStringLiteral("\""); }

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
};

void TestTranslations::everyTextIsTranslated_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "lullara_de.ts" << "de_DE";
    QTest::newRow("French") << "lullara_fr.ts" << "fr_FR";
}

void TestTranslations::everyTextIsTranslated()
{
    QFETCH(QString, file);
    QFETCH(QString, language);
    QString declared;
    const QList<Message> messages = readCatalogue(QStringLiteral(LULLARA_TRANSLATIONS_DIR "/") + file, &declared);
    QCOMPARE(declared, language);
    // The other catalogue holds the same texts.
    QString otherLanguage;
    const QString other = file.contains(QLatin1String("_de")) ? QStringLiteral("lullara_fr.ts") : QStringLiteral("lullara_de.ts");
    QCOMPARE(readCatalogue(QStringLiteral(LULLARA_TRANSLATIONS_DIR "/") + other, &otherLanguage).size(), messages.size());
    QVERIFY2(messages.size() > 150, qPrintable(QString::number(messages.size())));

    QStringList faults;
    for (const Message &m : messages) {
        if (!m.type.isEmpty())
            faults << QStringLiteral("%1 is %2").arg(where(m), m.type); // unfinished, vanished, obsolete
        else if (m.translation.trimmed().isEmpty())
            faults << where(m) + QStringLiteral(" has no translation");
        else if (placeholders(m.translation) != placeholders(m.source))
            faults << QStringLiteral("%1: placeholders %2 in \"%3\"")
                          .arg(where(m), placeholders(m.translation).join(QLatin1Char(',')), m.translation);
        else if (accessKeys(m.translation) != accessKeys(m.source))
            faults << QStringLiteral("%1: access keys in \"%2\"").arg(where(m), m.translation);
        else if (m.source.endsWith(QLatin1Char(' ')) != m.translation.endsWith(QLatin1Char(' ')))
            faults << QStringLiteral("%1: trailing space of \"%2\"").arg(where(m), m.translation);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
