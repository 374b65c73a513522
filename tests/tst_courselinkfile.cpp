#include "CourseLinkFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

const QString kCaption = u"《证券交易》网授精讲班"_s;
const QByteArray kUrl = "http://www.course.example/zqjy/index.htm";
const QByteArray kBom = "\xEF\xBB\xBF";

QByteArray gbk(const QString &text)
{
    QStringEncoder encoder("GBK");
    return encoder.encode(text);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size();
}

} // namespace

class TestCourseLinkFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsValue_data();
    void readsValue();
    void notARegularFile_data();
    void notARegularFile();
    void symlinkToFileCounts();
    void editTakesEffectAtNextLookup();
    void fileCreatedAfterLookupIsRead();
    void deletedFileGivesEmpty();
    void findsKeysThroughoutLargeFile();
    void longLine_data();
    void longLine();
    void lookupReadsFileBesideProgram();

private:
    QString linkFile() const { return m_dir->filePath(u"kc.dll"_s); }

    std::optional<QTemporaryDir> m_dir;
};

void TestCourseLinkFile::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void TestCourseLinkFile::cleanup()
{
    m_dir.reset();
}

void TestCourseLinkFile::readsValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");

    const QByteArray key = gbk(kCaption);
    const QString url = QString::fromLatin1(kUrl);
    const QByteArray line = key + "=" + kUrl;
    const QByteArray a2045(2045, 'a'), a2046(2046, 'a'), a2047(2047, 'a'), a2048(2048, 'a');
    const QString s2045(2045, u'a'), s2046(2046, u'a'), s2047(2047, u'a');

    QTest::newRow("gbk, LF") << "[kc]\n" + line + "\n" << kCaption << url;
    QTest::newRow("gbk, CRLF") << "[kc]\r\n" + line + "\r\n" << kCaption << url;
    QTest::newRow("no line end after last line") << "[kc]\n" + line << kCaption << url;
    QTest::newRow("gbk value decoded")
        << "[kc]\n" + key + "=" + gbk(u"D:/课程/讲义.doc"_s) << kCaption << u"D:/课程/讲义.doc"_s;
    QTest::newRow("utf-8 with byte-order mark")
        << kBom + "[kc]\r\n" + kCaption.toUtf8() + "=" + u"D:/课程/讲义.doc"_s.toUtf8() + "\r\n"
        << kCaption << u"D:/课程/讲义.doc"_s;
    QTest::newRow("utf-8 without byte-order mark is read as gbk")
        << "[kc]\n" + kCaption.toUtf8() + "=" + kUrl << kCaption << QString();

    QTest::newRow("double quotes removed") << "[kc]\n" + key + "=\"" + kUrl + "\"" << kCaption << url;
    QTest::newRow("single quotes removed") << "[kc]\n" + key + "='" + kUrl + "'" << kCaption << url;
    QTest::newRow("mismatched quotes kept") << "[kc]\n" + key + "=\"a'" << kCaption << u"\"a'"_s;
    QTest::newRow("lone quote kept") << "[kc]\n" + key + "=\"" << kCaption << u"\""_s;
    QTest::newRow("inner quotes kept") << "[kc]\n" + key + "=a\"b\"" << kCaption << u"a\"b\""_s;
    QTest::newRow("blanks inside quotes kept") << "[kc]\n" + key + "=\" a b \"" << kCaption << u" a b "_s;
    QTest::newRow("empty quotes") << "[kc]\n" + key + "=\"\"\nx=y" << kCaption << QString();
    QTest::newRow("blanks around names and value")
        << "  [ kc ]\t \r\n \t" + key + " \t= \t" + kUrl + " \t\r\n" << kCaption << url;
    QTest::newRow("caption with blanks") << "[kc]\n" + line << u" \t"_s + kCaption + u' ' << url;
    QTest::newRow("equals sign in value") << "[kc]\n" + key + "=a=b" << kCaption << u"a=b"_s;
    QTest::newRow("text after section header") << "[kc] ; links\n" + line << kCaption << url;

    QTest::newRow("section [KC]") << "[KC]\n" + line << kCaption << url;
    QTest::newRow("section [Kc]") << "[Kc]\n" + line << kCaption << url;
    QTest::newRow("key letter case")
        << "[kc]\n" + gbk(u"vip会员服务"_s) + "=x" << u"VIP会员服务"_s << u"x"_s;
    // 0x81 0x41 and 0x81 0x61 are two characters whose trail bytes read as 'A' and 'a'.
    QTest::newRow("gbk trail byte 'A' is not 'a'")
        << QByteArray("[kc]\n\x81\x41=wrong") << u"\u4E64"_s << QString();
    QTest::newRow("gbk trail byte 'a' is not 'A'")
        << QByteArray("[kc]\n\x81\x61=wrong\n\x81\x41=right") << u"\u4E04"_s << u"right"_s;
    // 0x81 0x5D is one character, not a closing bracket: this line heads no section.
    QTest::newRow("gbk trail byte ']' closes no section")
        << "[kc]\n[\x81\x5D\n" + line << kCaption << url;

    QTest::newRow("repeated key: first wins")
        << "[kc]\n" + key + "=first\n" + key + "=second" << kCaption << u"first"_s;
    QTest::newRow("repeated key: first wins though empty")
        << "[kc]\n" + key + "=\n" + key + "=second" << kCaption << QString();
    QTest::newRow("repeated section: first wins")
        << "[kc]\n" + key + "=first\n[kc]\n" + key + "=second" << kCaption << u"first"_s;
    QTest::newRow("key only in second kc section")
        << "[kc]\nx=y\n[other]\n[kc]\n" + line << kCaption << QString();
    QTest::newRow("key in other section only")
        << "[other]\n" + line + "\n[kc]\nx=y" << kCaption << QString();
    QTest::newRow("key before any section") << line + "\n[kc]\nx=y" << kCaption << QString();
    QTest::newRow("no kc section") << "[kcx]\n" + line + "\n[k]\n" + line << kCaption << QString();
    QTest::newRow("empty file") << QByteArray() << kCaption << QString();
    QTest::newRow("empty value") << "[kc]\n" + key + "=\nx=y" << kCaption << QString();
    QTest::newRow("blank value") << "[kc]\n" + key + "= \t\r\n" << kCaption << QString();
    QTest::newRow("lines without '=' ignored")
        << "[kc]\n" + key + "\n" + key + " " + kUrl + "\n" + line << kCaption << url;
    QTest::newRow("empty caption") << QByteArray("[kc]\n=x\n =y") << QString() << QString();
    QTest::newRow("caption without gbk form")
        << "[kc]\n?" + gbk(u"课程"_s) + "=wrong" << u"😀课程"_s << QString();
    QTest::newRow("caption without utf-8 form")
        << kBom + "[kc]\n?=wrong\n\xEF\xBF\xBD=wrong" << QString(QChar(0xD800)) << QString();

    QTest::newRow("value of 2047 bytes whole") << "[kc]\n" + key + "=" + a2047 << kCaption << s2047;
    QTest::newRow("value of 2048 bytes cut") << "[kc]\n" + key + "=" + a2048 << kCaption << s2047;
    QTest::newRow("quotes removed before the cut")
        << "[kc]\n" + key + "=\"" + a2048 + "\"" << kCaption << s2047;
    QTest::newRow("gbk character at byte 2047 dropped whole")
        << "[kc]\n" + key + "=" + a2046 + gbk(u"课"_s) << kCaption << s2046;
    QTest::newRow("gbk character ending at byte 2047 kept")
        << "[kc]\n" + key + "=" + a2045 + gbk(u"课"_s) + "b" << kCaption << s2045 + u"课"_s;
    QTest::newRow("utf-8 character from byte 2046 dropped whole")
        << kBom + "[kc]\n" + kCaption.toUtf8() + "=" + a2045 + u"课"_s.toUtf8() << kCaption << s2045;
    QTest::newRow("utf-8 character from byte 2047 dropped whole")
        << kBom + "[kc]\n" + kCaption.toUtf8() + "=" + a2046 + u"课"_s.toUtf8() << kCaption << s2046;

    QTest::newRow("invalid bytes in other lines")
        << "\xFF\xFE\x81\n\x81=\x81\n[kc]\n\xFE\x30=junk\n" + line << kCaption << url;
    QTest::newRow("invalid gbk in value")
        << "[kc]\n" + key + "=a\x81\x30" "b\x81" << kCaption << u"a\uFFFD" "0b\uFFFD"_s;
    QTest::newRow("invalid utf-8 in value")
        << kBom + "[kc]\n" + kCaption.toUtf8() + "=a\xFF" "b" << kCaption << u"a\uFFFDb"_s;
    QTest::newRow("NUL bytes in other lines")
        << "[kc]\n" + QByteArray("\0\0\n\0x=y\nz=\0w\n", 13) + line << kCaption << url;
    QTest::newRow("NUL ends value")
        << "[kc]\n" + line + QByteArray("\0tail", 5) << kCaption << url;
    QTest::newRow("NUL at line start hides the line")
        << "[kc]\n" + QByteArray(1, '\0') + line << kCaption << QString();

    QByteArray binary;
    for (int i = 0; i < 64 * 256; ++i)
        binary += char(i);
    QTest::newRow("binary bytes before section") << binary + "\n[kc]\n" + line << kCaption << url;
}

void TestCourseLinkFile::readsValue()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, caption);
    QFETCH(QString, expected);

    QVERIFY(writeFile(linkFile(), content));
    QCOMPARE(ReadCourseLink(linkFile(), caption), expected);
}

void TestCourseLinkFile::notARegularFile_data()
{
    QTest::addColumn<QString>("kind");

    QTest::newRow("missing") << u"missing"_s;
    QTest::newRow("folder") << u"folder"_s;
    QTest::newRow("fifo") << u"fifo"_s;
    QTest::newRow("dangling symlink") << u"dangling symlink"_s;
}

void TestCourseLinkFile::notARegularFile()
{
    QFETCH(QString, kind);

    const QString path = linkFile();
    if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == u"fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"dangling symlink")
        QVERIFY(QFile::link(m_dir->filePath(u"gone"_s), path));

    // A reader that opened the FIFO would block here until the test times out.
    QCOMPARE(ReadCourseLink(path, kCaption), QString());
}

void TestCourseLinkFile::symlinkToFileCounts()
{
    const QString target = m_dir->filePath(u"links.ini"_s);
    QVERIFY(writeFile(target, "[kc]\n" + gbk(kCaption) + "=" + kUrl));
    QVERIFY(QFile::link(target, linkFile()));

    QCOMPARE(ReadCourseLink(linkFile(), kCaption), QString::fromLatin1(kUrl));
}

void TestCourseLinkFile::editTakesEffectAtNextLookup()
{
    const QByteArray head = "[kc]\n" + gbk(kCaption) + "=http://a.example/";
    QVERIFY(writeFile(linkFile(), head + "1"));
    QCOMPARE(ReadCourseLink(linkFile(), kCaption), u"http://a.example/1"_s);
    const QDateTime modified = QFileInfo(linkFile()).lastModified();

    // Same size and same modification time: only the content tells the edit.
    QVERIFY(writeFile(linkFile(), head + "2"));
    QFile file(linkFile());
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();

    QCOMPARE(ReadCourseLink(linkFile(), kCaption), u"http://a.example/2"_s);
}

void TestCourseLinkFile::fileCreatedAfterLookupIsRead()
{
    QCOMPARE(ReadCourseLink(linkFile(), kCaption), QString());
    QVERIFY(writeFile(linkFile(), "[kc]\n" + gbk(kCaption) + "=" + kUrl));
    QCOMPARE(ReadCourseLink(linkFile(), kCaption), QString::fromLatin1(kUrl));
}

void TestCourseLinkFile::deletedFileGivesEmpty()
{
    QVERIFY(writeFile(linkFile(), "[kc]\n" + gbk(kCaption) + "=" + kUrl));
    QCOMPARE(ReadCourseLink(linkFile(), kCaption), QString::fromLatin1(kUrl));
    QVERIFY(QFile::remove(linkFile()));
    QCOMPARE(ReadCourseLink(linkFile(), kCaption), QString());
}

void TestCourseLinkFile::findsKeysThroughoutLargeFile()
{
    const int keyCount = 10000;
    const qsizetype boundaryStep = 1 << 16;
    const auto caption = [](int i) { return u"第%1讲 课程"_s.arg(i); };
    const auto value = [](int i) {
        return u"http://www.course.example/lesson/%1/"_s.arg(i).leftJustified(100, u'x');
    };

    // At every 64 KiB boundary, where reading in blocks could split the file,
    // a line ends with its LF just before the boundary and an empty line's LF
    // lies right on it. Those keys and the last ones are looked up.
    QByteArray content = "[other]\r\nx=y\r\n[kc]\r\n";
    QList<int> probes = {keyCount - 2, keyCount - 1};
    qsizetype nextBoundary = boundaryStep;
    for (int i = 0; i < keyCount; ++i) {
        const QByteArray line = gbk(caption(i)) + " = " + value(i).toLatin1();
        const qsizetype room = nextBoundary - content.size() - line.size() - 2;
        if (room >= 0 && room < 256) {
            content += line + QByteArray(room, ' ') + "\r\n\n";
            probes << i << i + 1;
            nextBoundary += boundaryStep;
        } else {
            content += line + "\r\n";
        }
    }
    QVERIFY(content.size() > 1'000'000);
    QCOMPARE(content.at(nextBoundary - boundaryStep), '\n');
    QVERIFY(writeFile(linkFile(), content));

    for (int i : std::as_const(probes))
        QCOMPARE(ReadCourseLink(linkFile(), caption(i)), value(i));
}

void TestCourseLinkFile::longLine_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    const QByteArray key = gbk(kCaption);
    const QByteArray huge(5 << 20, 'x');
    const QString cut(2047, u'x');

    QTest::newRow("value cut") << "[kc]\n" + key + "=" + huge + "\nz=z" << cut;
    QTest::newRow("quoted value cut")
        << "[kc]\n" + key + "=\"" + huge + "\" \t\r\nz=z" << cut;
    QTest::newRow("unclosed quote kept")
        << "[kc]\n" + key + "=\"" + huge + " \r\n" << u'"' + cut.left(2046);
    QTest::newRow("quote after NUL not seen")
        << "[kc]\n" + key + "=\"" + huge + QByteArray("\0\"", 2) << u'"' + cut.left(2046);
    QTest::newRow("key after long line")
        << "[kc]\nother=" + huge + "\n" + key + "=" + kUrl << QString::fromLatin1(kUrl);
    QTest::newRow("long line without end before section")
        << huge + "\r\n[kc]\n" + key + "=" + kUrl << QString::fromLatin1(kUrl);
}

void TestCourseLinkFile::longLine()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QVERIFY(writeFile(linkFile(), content));
    QCOMPARE(ReadCourseLink(linkFile(), kCaption), expected);
}

void TestCourseLinkFile::lookupReadsFileBesideProgram()
{
    const QString path = QCoreApplication::applicationDirPath() + u"/kc.dll"_s;
    const auto removeFile = qScopeGuard([&path] { QFile::remove(path); });
    QVERIFY(writeFile(path, "[kc]\n" + gbk(kCaption) + "=" + kUrl));

    QCOMPARE(LookupCourseLink(kCaption), QString::fromLatin1(kUrl));
}

QTEST_GUILESS_MAIN(TestCourseLinkFile)
#include "tst_courselinkfile.moc"
