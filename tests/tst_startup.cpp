#include <QtTest>

#include "Fixtures.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/SysInfo.h"

// Start-up, SysInfo.Ini and the message catalogue.
class TestStartUp : public QObject {
    Q_OBJECT

  private slots:
    void defaultsWithoutSettingsFile() {
        AppFixture app;
        const TALL& all = App().all;
        QCOMPARE(all.LanguageName, QStringLiteral("Chinese"));
        QCOMPARE(all.LanguageIndex, 0);
        QCOMPARE(all.ComPort, QStringLiteral("Com1"));
        QCOMPARE(all.HelpPrefix, QStringLiteral("KQ"));
        QCOMPARE(all.AppTitle, QStringLiteral("XKM-7463"));
        QCOMPARE(all.ModelName, QStringLiteral("XKM-U800"));
        QCOMPARE(all.BandText, QStringLiteral("450 - 470MHz"));
        QCOMPARE(App().language.ReadOk, QStringLiteral("读取完成！"));
        QVERIFY(WriteSysInfo());
        const IniFile written(SysInfoPath());
        QCOMPARE(written.ReadString("SysInfo", "Com", ""), QStringLiteral("Com1"));
        QCOMPARE(written.ReadString("SysInfo", "DefaultLanguage", ""), QStringLiteral("0"));
        QCOMPARE(written.ReadString("SysInfo", "PicID", ""), QStringLiteral("0"));
    }

    void settingsRoundTrip_data() {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("languageName");
        QTest::addColumn<QString>("writtenLanguage");
        QTest::addColumn<QString>("writtenPicture");
        QTest::newRow("English") << "DefaultLanguage=1\nPicID=7"
                                 << "English"
                                 << "1"
                                 << "7";
        QTest::newRow("index past the list") << "DefaultLanguage=5"
                                             << ""
                                             << "5"
                                             << "0";
        QTest::newRow("not numbers") << "DefaultLanguage=x\nPicID=x"
                                     << "Chinese"
                                     << "0"
                                     << "0";
        QTest::newRow("empty name between bars") << "Language=Chinese||English\nDefaultLanguage=1"
                                                 << ""
                                                 << "1"
                                                 << "0";
        QTest::newRow("negative index") << "DefaultLanguage=-1"
                                        << ""
                                        << "-1"
                                        << "0";
    }
    void settingsRoundTrip() {
        QFETCH(QString, settings);
        QFETCH(QString, languageName);
        QFETCH(QString, writtenLanguage);
        QFETCH(QString, writtenPicture);
        AppFixture app;
        WriteBytes(app.Dir() + "SysInfo.Ini",
                   QString("[SysInfo]\n" + settings + "\n[Keep]\nx=1\n").toUtf8());
        ReadSysInfo();
        QCOMPARE(App().all.LanguageName, languageName);
        QVERIFY(WriteSysInfo());
        const IniFile written(SysInfoPath());
        QCOMPARE(written.ReadString("SysInfo", "DefaultLanguage", ""), writtenLanguage);
        QCOMPARE(written.ReadString("SysInfo", "PicID", ""), writtenPicture);
        QCOMPARE(written.ReadString("Keep", "x", ""), QStringLiteral("1"));
    }

    void messagesFromLanguageFile() {
        AppFixture app;
        WriteBytes(app.Dir() + "English.Ini",
                   QString("[Language]\nReadOk=Read complete!\nCaution=\n").toUtf8());
        LoadMessages(QStringLiteral("English"));
        QCOMPARE(App().language.ReadOk, QStringLiteral("Read complete!"));
        QCOMPARE(App().language.Caution, QString());  // present but empty blanks the text
        QCOMPARE(App().language.WriteOk, QStringLiteral("写入完成！"));
        // Back to a language without a file: built-in texts, not the previous language's.
        LoadMessages(QStringLiteral("Chinese"));
        QCOMPARE(App().language.ReadOk, QStringLiteral("读取完成！"));
        LoadMessages(QString());
        QCOMPARE(App().language.ReadOk, QStringLiteral("读取完成！"));
    }

    void chineseFileReplacesBuiltInTexts() {
        AppFixture app;
        WriteBytes(app.Dir() + "Chinese.Ini", QString("[Language]\nWriteOk=写好了\n").toUtf8());
        ResetApp();
        StartUp(app.Dir());
        QCOMPARE(App().language.WriteOk, QStringLiteral("写好了"));
    }

    void listLanguages() {
        AppFixture app;
        QStringList display, names;
        ListLanguages(display, names);
        QCOMPARE(names, QStringList({"Chinese", "English"}));
        QCOMPARE(display, QStringList({"中文", "英文"}));

        WriteBytes(app.Dir() + "SysInfo.Ini",
                   QString("[SysInfo]\nLanguage=Chinese|English|German|\nChinese=中文|英文|德文\n")
                       .toUtf8());
        display.clear();
        names.clear();
        ListLanguages(display, names);
        QCOMPARE(names, QStringList({"Chinese", "English", "German"}));
        QCOMPARE(display, QStringList({"中文", "英文", "德文"}));
        QCOMPARE(SplitLanguageList(QStringLiteral("a||b")), QStringList({"a", "", "b"}));
    }
};

QTEST_GUILESS_MAIN(TestStartUp)
#include "tst_startup.moc"
