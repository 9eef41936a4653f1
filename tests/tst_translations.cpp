#include "app/ConfigSettings.h"
#include "app/StartUp.h"
#include "ui/pages/StandardModeWidget.h"
#include "ui/pages/SystemSettingWidget.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace
{
struct Message
{
    QString strContext;
    QString strSource;
    QString strTranslation;
    QString strType;  // empty when finished; "unfinished", "obsolete", "vanished"
};

// The source tree: this file lives in its tests folder.
QString SourceDir()
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath(QStringLiteral(".."));
}

QString TsPath(const QString& strLang)
{
    return QDir(SourceDir()).absoluteFilePath(QStringLiteral("resources/Lang/Translation/Language_%1.ts").arg(strLang));
}

QString Lupdate()
{
    return QLibraryInfo::location(QLibraryInfo::BinariesPath) + QStringLiteral("/lupdate");
}

bool ReadTs(const QString& strPath, QList<Message>& listMessages, QString& strError)
{
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly)) {
        strError = file.errorString();
        return false;
    }
    QXmlStreamReader xml(&file);
    QString strContext;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            strContext = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{strContext, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.strSource = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.strType = xml.attributes().value(QLatin1String("type")).toString();
            message.strTranslation = xml.readElementText();
            listMessages.append(message);
        }
    }
    if (xml.hasError())
        strError = xml.errorString();
    return !xml.hasError();
}

bool IsActive(const Message& message)
{
    return message.strType != QLatin1String("obsolete") && message.strType != QLatin1String("vanished");
}

QSet<QString> ActivePairs(const QList<Message>& listMessages)
{
    QSet<QString> setPairs;
    for (const Message& message : listMessages) {
        if (IsActive(message))
            setPairs.insert(message.strContext + QLatin1String(" | ") + message.strSource);
    }
    return setPairs;
}

QString Describe(QStringList list)
{
    list.sort();
    return list.join(QLatin1Char('\n'));
}

// Every text a page shows: labels, buttons, combo-box items.
QStringList ShownTexts(const QWidget& page)
{
    QStringList listTexts;
    for (const QLabel* pLabel : page.findChildren<QLabel*>())
        listTexts << pLabel->text();
    for (const QAbstractButton* pButton : page.findChildren<QAbstractButton*>())
        listTexts << pButton->text();
    for (const QComboBox* pCombo : page.findChildren<QComboBox*>()) {
        for (int i = 0; i < pCombo->count(); ++i)
            listTexts << pCombo->itemText(i);
    }
    return listTexts;
}
}

// The translation files against the code that uses them, and the interface in both languages.
class TestTranslations : public QObject
{
    Q_OBJECT
private:
    static void RemoveTranslators()
    {
        for (QTranslator* pTranslator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(pTranslator);
            delete pTranslator;
        }
    }

private slots:
    void cleanup() { RemoveTranslators(); }

    // lupdate over the sources, as scripts/update-translations.sh runs it, into a copy of each
    // file: the copy must list exactly the texts the committed file lists.
    void tsFilesMatchSources_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::newRow("zh_CN") << "zh_CN";
        QTest::newRow("en_US") << "en_US";
    }
    void tsFilesMatchSources()
    {
        QFETCH(QString, lang);
#ifdef Q_OS_WIN
        QSKIP("lupdate is a tool of the build machine; the Linux run checks the .ts files");
#endif
        QVERIFY2(QFileInfo::exists(Lupdate()), qPrintable(Lupdate()));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString strCopy = dir.filePath(QStringLiteral("copy.ts"));
        QVERIFY(QFile::copy(TsPath(lang), strCopy));

        QProcess lupdate;
        lupdate.setWorkingDirectory(SourceDir());
        lupdate.setProcessChannelMode(QProcess::MergedChannels);
        lupdate.start(Lupdate(), {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                                  QStringLiteral("-I"), QDir(SourceDir()).absolutePath(), QStringLiteral("app"),
                                  QStringLiteral("ddc"), QStringLiteral("ui"), QStringLiteral("-ts"), strCopy});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0,
                 lupdate.readAll().constData());

        QList<Message> listCommitted;
        QList<Message> listUpdated;
        QString strError;
        QVERIFY2(ReadTs(TsPath(lang), listCommitted, strError), qPrintable(strError));
        QVERIFY2(ReadTs(strCopy, listUpdated, strError), qPrintable(strError));
        const QSet<QString> setCommitted = ActivePairs(listCommitted);
        const QSet<QString> setUpdated = ActivePairs(listUpdated);
        QVERIFY2(setCommitted == setUpdated,
                 qPrintable(QStringLiteral("run scripts/update-translations.sh\nnew in the code:\n%1\ngone from the code:\n%2")
                                .arg(Describe((setUpdated - setCommitted).values()),
                                     Describe((setCommitted - setUpdated).values()))));
    }

    // Chinese is the default language: every text of the code has a finished translation, and
    // the compiled file the client loads gives it.
    void chineseComplete()
    {
        QList<Message> listMessages;
        QString strError;
        QVERIFY2(ReadTs(TsPath(QStringLiteral("zh_CN")), listMessages, strError), qPrintable(strError));
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/Lang/Translation/Language_zh_CN.qm")));

        QStringList listMissing;
        int nActive = 0;
        for (const Message& message : qAsConst(listMessages)) {
            if (!IsActive(message))
                continue;
            ++nActive;
            const QString strPair = message.strContext + QLatin1String(" | ") + message.strSource;
            if (!message.strType.isEmpty() || message.strTranslation.isEmpty())
                listMissing << strPair;
            else if (translator.translate(message.strContext.toUtf8().constData(), message.strSource.toUtf8().constData())
                     != message.strTranslation)
                listMissing << strPair + QLatin1String(" (not in the compiled file)");
        }
        QVERIFY(nActive > 0);
        QVERIFY2(listMissing.isEmpty(), qPrintable(QStringLiteral("no finished Chinese translation:\n") + Describe(listMissing)));
    }

    // The English file only carries the texts that differ from the source; the rest must stay
    // unfinished and empty, so that the source shows.
    void englishOnlyDifferences()
    {
        QList<Message> listMessages;
        QString strError;
        QVERIFY2(ReadTs(TsPath(QStringLiteral("en_US")), listMessages, strError), qPrintable(strError));
        QStringList listFinished;
        for (const Message& message : qAsConst(listMessages)) {
            if (IsActive(message) && (message.strType.isEmpty() || !message.strTranslation.isEmpty()))
                listFinished << QStringLiteral("%1 | %2 -> %3 %4")
                                    .arg(message.strContext, message.strSource, message.strTranslation, message.strType)
                                    .trimmed();
        }
        listFinished.sort();
        const QStringList listExpected{
            QStringLiteral("CStandardModeWidget | High_O -> High"),
            QStringLiteral("CStandardModeWidget | High_l -> High"),
            QStringLiteral("CSystemSettingWidget | Factory Reset -> Monitor Factory Reset"),
        };
        QCOMPARE(listFinished, listExpected);
    }

    // The stored language picks the translators at start-up; the pages then show its texts.
    void pageTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("notShown");
        QTest::newRow("system, English")
            << 1 << "system"
            << QStringList{"Monitor Factory Reset", "Reset", "HDMI Version", "USB Mains", "Light Eco", "OSD Language",
                           "PIP Size", "Top Left", "Sub  Signal", "OFF", "ON", "DP", "PIP/PBP", "English"}
            << QStringList{"Factory Reset", "显示器恢复出厂设置", "重置", "关闭"};
        QTest::newRow("system, Chinese")
            << 0 << "system"
            << QStringList{"显示器恢复出厂设置", "重置", "HDMI版本", "USB电源", "指示灯节能", "OSD语言", "PIP尺寸",
                           "左上", "子信号", "关闭", "开启", "DP", "PIP/PBP", "English"}
            << QStringList{"Factory Reset", "Monitor Factory Reset", "Reset", "OFF", "ON"};
        QTest::newRow("system, any other value is Chinese")
            << 2 << "system" << QStringList{"显示器恢复出厂设置", "重置"} << QStringList{"Monitor Factory Reset"};
        QTest::newRow("standard, English")
            << 1 << "standard"
            << QStringList{"Fast Setting", "User Mode", "High", "MaxHigh", "Extreme", "Default Office Mode",
                           "Game Accuracy", "Colorful Lights", "Xbox/PS"}
            << QStringList{"High_l", "High_O", "快速设置", "高"};
        QTest::newRow("standard, Chinese")
            << 0 << "standard"
            << QStringList{"快速设置", "用户模式", "高", "高速", "超高", "预设办公模式", "游戏准心", "炫彩灯",
                           "跑马灯1", "Xbox/PS", "G1", "R"}
            << QStringList{"High", "High_l", "High_O", "Fast Setting"};
    }
    void pageTexts()
    {
        QFETCH(int, language);
        QFETCH(QString, page);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, notShown);
        RemoveTranslators();
        SetConfigValue(QStringLiteral("LANGUAGE"), QStringLiteral("LANGUAGE_TYPE"), language);
        InstallTranslators(*qobject_cast<QApplication*>(qApp));

        std::unique_ptr<QWidget> pPage;
        if (page == QLatin1String("system"))
            pPage = std::make_unique<CSystemSettingWidget>();
        else
            pPage = std::make_unique<CStandardModeWidget>();
        const QStringList listTexts = ShownTexts(*pPage);
        for (const QString& strText : qAsConst(shown))
            QVERIFY2(listTexts.contains(strText), qPrintable(strText + QLatin1String(" not shown")));
        for (const QString& strText : qAsConst(notShown))
            QVERIFY2(!listTexts.contains(strText), qPrintable(strText + QLatin1String(" shown")));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
