// Which folder each name list file is read from: the user's own copy wins
// when there is one, the bundled one is read otherwise, and the two files are
// looked up independently. Every row reads the chosen file as the program
// does, so the outcome is what the user gets: the user's names, the bundled
// names, or the error of the user's own file.

#include "names/namefile.h"
#include "names/namefolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace lullara;

namespace {

const QString kUserBoy = QStringLiteral("Ulrich");
const QString kUserGirl = QStringLiteral("Ursula");
const QString kBundledBoy = QStringLiteral("Bert");
const QString kBundledGirl = QStringLiteral("Berta");

bool writeNames(const QString &path, const QString &name)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = "# test list\r\n" + name.toUtf8() + "\r\n";
    return f.write(bytes) == bytes.size();
}

// What reading the chosen file gives: "user", "bundled" or "error <number>".
QString outcome(const QString &folder, const QString &fileName, const QString &userName,
                const QString &bundledName)
{
    const auto result = readNameFile(nameFilePath(folder, fileName));
    if (const auto *error = std::get_if<NameFileError>(&result))
        return QStringLiteral("error %1").arg(error->number);
    const QStringList names = std::get<QStringList>(result);
    if (names == QStringList{userName})
        return QStringLiteral("user");
    if (names == QStringList{bundledName})
        return QStringLiteral("bundled");
    return QStringLiteral("other names: ") + names.join(u',');
}

} // namespace

class TestNameFolder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void choice_data();
    void choice();

private:
    // Puts the entry `kind` named `fileName` into the user's folder.
    void makeEntry(const QString &kind, const QString &fileName, const QString &name);

    QTemporaryDir m_home;
    QTemporaryDir m_program;
    bool m_readsEverything = false;
};

void TestNameFolder::initTestCase()
{
    QVERIFY(m_home.isValid());
    QVERIFY(m_program.isValid());
    // A home of the test's own, so that no real user's files are touched.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qunsetenv("XDG_DATA_HOME");
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("Lullara"));
    QCoreApplication::setApplicationName(QStringLiteral("Lullara"));
    QVERIFY2(userNameFolder().startsWith(m_home.path() + u'/'), qPrintable(userNameFolder()));

    QVERIFY(writeNames(nameFilePath(m_program.path(), kBoysFile), kBundledBoy));
    QVERIFY(writeNames(nameFilePath(m_program.path(), kGirlsFile), kBundledGirl));

    // Whether file permissions bind this process (they do not for root).
    const QString probe = m_program.filePath(QStringLiteral("probe"));
    QVERIFY(writeNames(probe, kUserBoy));
    QVERIFY(QFile::setPermissions(probe, QFileDevice::Permissions()));
    QFile f(probe);
    m_readsEverything = f.open(QIODevice::ReadOnly);
    f.close();
    QVERIFY(QFile::remove(probe));
}

void TestNameFolder::init()
{
    QDir(userNameFolder()).removeRecursively();
    QVERIFY(!QFileInfo::exists(userNameFolder()));
}

void TestNameFolder::makeEntry(const QString &kind, const QString &fileName, const QString &name)
{
    const QString path = nameFilePath(userNameFolder(), fileName);
    if (kind == QLatin1String("none") || kind == QLatin1String("absent folder"))
        return;
    if (kind == QLatin1String("file")) {
        QVERIFY(writeNames(path, name));
    } else if (kind == QLatin1String("unreadable")) {
        QVERIFY(writeNames(path, name));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    } else if (kind == QLatin1String("link")) {
        const QString target = m_home.filePath(QStringLiteral("elsewhere-") + fileName);
        QVERIFY(writeNames(target, name));
        QVERIFY(QFile::link(target, path));
    } else if (kind == QLatin1String("dangling link")) {
        QVERIFY(QFile::link(m_home.filePath(QStringLiteral("gone.txt")), path));
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown entry kind ") + kind));
    }
}

void TestNameFolder::choice_data()
{
    // What the user's folder holds for each file ("absent folder": the
    // folder itself does not exist), and what reading each file then gives.
    QTest::addColumn<QString>("boysEntry");
    QTest::addColumn<QString>("girlsEntry");
    QTest::addColumn<QString>("boysGet");
    QTest::addColumn<QString>("girlsGet");

    QTest::newRow("no user folder: bundled lists")
        << "absent folder" << "absent folder" << "bundled" << "bundled";
    QTest::newRow("empty user folder: missing per-user files fall back")
        << "none" << "none" << "bundled" << "bundled";
    QTest::newRow("per-user files win")
        << "file" << "file" << "user" << "user";
    QTest::newRow("only the boys' file is the user's")
        << "file" << "none" << "user" << "bundled";
    QTest::newRow("only the girls' file is the user's")
        << "none" << "file" << "bundled" << "user";
#ifdef Q_OS_UNIX
    QTest::newRow("unreadable per-user file is still chosen")
        << "unreadable" << "file" << "error 70" << "user";
    QTest::newRow("per-user link to a list elsewhere")
        << "none" << "link" << "bundled" << "user";
    QTest::newRow("dangling per-user link is still chosen")
        << "dangling link" << "none" << "error 53" << "bundled";
#endif
    QTest::newRow("folder named like a list is still chosen")
        << "none" << "folder" << "bundled" << "error 75";
}

void TestNameFolder::choice()
{
    QFETCH(QString, boysEntry);
    QFETCH(QString, girlsEntry);
    QFETCH(QString, boysGet);
    QFETCH(QString, girlsGet);

    if (boysEntry != QLatin1String("absent folder"))
        QVERIFY(QDir().mkpath(userNameFolder()));
    makeEntry(boysEntry, kBoysFile, kUserBoy);
    makeEntry(girlsEntry, kGirlsFile, kUserGirl);
    // Root reads a file without read permission: it then gets the names.
    if (m_readsEverything && boysGet == QLatin1String("error 70"))
        boysGet = QStringLiteral("user");

    const QString boysFolder = nameFileFolder(kBoysFile, m_program.path());
    const QString girlsFolder = nameFileFolder(kGirlsFile, m_program.path());
    QCOMPARE(outcome(boysFolder, kBoysFile, kUserBoy, kBundledBoy), boysGet);
    QCOMPARE(outcome(girlsFolder, kGirlsFile, kUserGirl, kBundledGirl), girlsGet);
    // An error comes from the user's own file, never from the bundled one.
    QCOMPARE(boysFolder, boysGet == QLatin1String("bundled") ? m_program.path() : userNameFolder());
    QCOMPARE(girlsFolder, girlsGet == QLatin1String("bundled") ? m_program.path() : userNameFolder());
}

QTEST_GUILESS_MAIN(TestNameFolder)
#include "tst_namefolder.moc"
