#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

#include "Fixtures.h"

#include "core/IniFile.h"

namespace {

QByteArray Gbk(const QString& text) {
    return QStringEncoder("GBK").encode(text);
}

}  // namespace

class TestIniFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Path() const { return dir_.filePath(QStringLiteral("Test.Ini")); }

  private slots:
    void init() { QFile::remove(Path()); }

    void readsWithoutRegardToCase() {
        WriteBytes(Path(), "; comment\r\n[SysInfo]\r\nCom = COM3 \r\n[Other]\r\nCom=COM9\r\n");
        const IniFile file(Path());
        QCOMPARE(file.ReadString("sysinfo", "COM", "x"), QStringLiteral("COM3"));
        QCOMPARE(file.ReadString("OTHER", "com", "x"), QStringLiteral("COM9"));
        QCOMPARE(file.ReadString("SysInfo", "Missing", "dflt"), QStringLiteral("dflt"));
        QCOMPARE(file.ReadString("Missing", "Com", "dflt"), QStringLiteral("dflt"));
        QCOMPARE(IniFile(dir_.filePath("absent.ini")).ReadString("a", "b", "c"),
                 QStringLiteral("c"));
    }

    void emptyValueIsNotTheDefault() {
        WriteBytes(Path(), "[Language]\nReadOk=\n");
        QCOMPARE(IniFile(Path()).ReadString("Language", "ReadOk", "x"), QString());
    }

    void writesChangeOnlyTheirLine_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        const QByteArray file =
            "; keep me\r\n[SysInfo]\r\nCOM = com3\r\nLanguage=Chinese|English\r\n"
            "\r\n[Other]\r\nx=1\r\n";
        QTest::newRow("existing key keeps its spelling and line end")
            << file << "sysinfo"
            << "com"
            << QByteArray(
                   "; keep me\r\n[SysInfo]\r\nCOM =NEW\r\nLanguage=Chinese|English\r\n"
                   "\r\n[Other]\r\nx=1\r\n");
        QTest::newRow("new key joins its section")
            << file << "SysInfo"
            << "PicID"
            << QByteArray(
                   "; keep me\r\n[SysInfo]\r\nCOM = com3\r\nLanguage=Chinese|English\r\n"
                   "PicID=NEW\r\n\r\n[Other]\r\nx=1\r\n");
        QTest::newRow("new section at the end")
            << file << "Fresh"
            << "k"
            << QByteArray(
                   "; keep me\r\n[SysInfo]\r\nCOM = com3\r\nLanguage=Chinese|English\r\n"
                   "\r\n[Other]\r\nx=1\r\n[Fresh]\r\nk=NEW\r\n");
        QTest::newRow("last line without line end") << QByteArray("[A]\nx=1") << "A"
                                                    << "y" << QByteArray("[A]\nx=1\ny=NEW\n");
        QTest::newRow("missing file is created") << QByteArray() << "SysInfo"
                                                 << "Com" << QByteArray("[SysInfo]\nCom=NEW\n");
    }
    void writesChangeOnlyTheirLine() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        if (!before.isEmpty()) {
            WriteBytes(Path(), before);
        }
        IniFile file(Path());
        QVERIFY(file.WriteString(section, key, QStringLiteral("NEW")));
        QCOMPARE(ReadBytes(Path()), after);
        QCOMPARE(IniFile(Path()).ReadString(section, key, "x"), QStringLiteral("NEW"));
    }

    void gbkFileStaysGbk() {
        const QByteArray before =
            Gbk(QStringLiteral("[SysInfo]\r\nChinese=中文|英文\r\nCom=COM1\r\n"));
        WriteBytes(Path(), before);
        IniFile file(Path());
        QCOMPARE(file.ReadString("SysInfo", "Chinese", ""), QStringLiteral("中文|英文"));
        QVERIFY(file.WriteString("SysInfo", "English", QStringLiteral("汉语|英语")));
        QCOMPARE(ReadBytes(Path()), before + Gbk(QStringLiteral("English=汉语|英语\r\n")));
    }

    void utf8FileStaysUtf8WithItsMark_data() {
        QTest::addColumn<QByteArray>("mark");
        QTest::newRow("without mark") << QByteArray();
        QTest::newRow("with mark") << QByteArray("\xEF\xBB\xBF");
    }
    void utf8FileStaysUtf8WithItsMark() {
        QFETCH(QByteArray, mark);
        WriteBytes(Path(), mark + QStringLiteral("[Language]\nReadOk=读取完成！\n").toUtf8());
        IniFile file(Path());
        QCOMPARE(file.ReadString("language", "readok", ""), QStringLiteral("读取完成！"));
        QVERIFY(file.WriteString("Language", "WriteOk", QStringLiteral("写入完成！")));
        QCOMPARE(
            ReadBytes(Path()),
            mark + QStringLiteral("[Language]\nReadOk=读取完成！\nWriteOk=写入完成！\n").toUtf8());
    }

    void firstOfDuplicateSectionsAndKeys() {
        WriteBytes(Path(), "[A]\nk=1\nk=2\n[a]\nk=3\n");
        IniFile file(Path());
        QCOMPARE(file.ReadString("A", "K", ""), QStringLiteral("1"));
        file.WriteString("a", "k", "9");
        QCOMPARE(ReadBytes(Path()), QByteArray("[A]\nk=9\nk=2\n[a]\nk=3\n"));
    }

    void failedWriteIsReported() {
        IniFile file(dir_.filePath(QStringLiteral("no/such/folder/SysInfo.Ini")));
        QString error;
        QVERIFY(!file.WriteString("SysInfo", "Com", "COM1", &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
