#include "Language.h"

#include "Globals.h"
#include "IniFile.h"
#include "SysInfo.h"

#define LANGUAGE_KEY(name, text)      \
    TLanguageKey {                    \
#name, &TLanguage::name, text \
    }

const std::array<TLanguageKey, 21> kLanguageKeys = {
    LANGUAGE_KEY(Confirmation, "提示"),
    LANGUAGE_KEY(ExitProgram, "确定要退出系统？"),
    LANGUAGE_KEY(SaveProgram, "是否保存数据？"),
    LANGUAGE_KEY(Channel, "信道"),
    LANGUAGE_KEY(Info, "信息"),
    LANGUAGE_KEY(OutRange, "频率超出范围！"),
    LANGUAGE_KEY(Caution, "注意"),
    LANGUAGE_KEY(FChBigT, "起始频道应小于结束频道！"),
    LANGUAGE_KEY(Close, "已关闭"),
    LANGUAGE_KEY(Open, "已启动"),
    LANGUAGE_KEY(ComError, "检查所有连接及通信端口设置！"),
    LANGUAGE_KEY(ModError, "机型错误，是否强写？"),
    LANGUAGE_KEY(ClearData, "是否清空数据？"),
    LANGUAGE_KEY(Modforce, "是否强制改写？"),
    LANGUAGE_KEY(All, "全部"),
    LANGUAGE_KEY(ErrRange, "频率出错！"),
    LANGUAGE_KEY(ModelType, "机型"),
    LANGUAGE_KEY(Frequency, "频率"),
    LANGUAGE_KEY(ReadOk, "读取完成！"),
    LANGUAGE_KEY(WriteOk, "写入完成！"),
    LANGUAGE_KEY(LPortError, "无法打开端口！"),
};

#undef LANGUAGE_KEY

TLanguage::TLanguage() {
    for (const auto& entry : kLanguageKeys) {
        this->*entry.field = QString::fromUtf8(entry.builtIn);
    }
}

QString LanguageFilePath(const QString& appPath, const QString& languageName) {
    return appPath + languageName + QStringLiteral(".Ini");
}

void LoadMessages(const QString& languageName) {
    const IniFile file(LanguageFilePath(App().all.AppPath, languageName));
    const QString section = QStringLiteral("Language");
    TLanguage& catalogue = App().language;
    for (const auto& entry : kLanguageKeys) {
        catalogue.*entry.field = file.ReadString(section, QString::fromLatin1(entry.key),
                                                 QString::fromUtf8(entry.builtIn));
    }
}

QStringList SplitLanguageList(QString list) {
    QStringList pieces;
    while (!list.isEmpty()) {
        const int bar = list.indexOf(QLatin1Char('|'));
        if (bar < 0) {
            pieces.append(list);
            list.clear();
        } else {
            pieces.append(list.left(bar));
            list.remove(0, bar + 1);
        }
    }
    return pieces;
}

QString PickLanguageName(const QString& languageList, int index) {
    QString rest = languageList;
    QString result;
    for (int i = 0; i <= index; ++i) {
        const int bar = rest.indexOf(QLatin1Char('|'));
        if (bar < 0) {
            result = rest;
            rest.clear();
        } else {
            result = rest.left(bar);
            rest.remove(0, bar + 1);
        }
    }
    return result;
}

void ListLanguages(QStringList& displayNames, QStringList& languageNames) {
    const IniFile file(SysInfoPath());
    const QString section = QStringLiteral("SysInfo");
    languageNames.append(SplitLanguageList(
        file.ReadString(section, QStringLiteral("Language"), QStringLiteral("Chinese|English"))));
    displayNames.append(SplitLanguageList(
        file.ReadString(section, App().all.LanguageName, QStringLiteral("中文|英文"))));
}
