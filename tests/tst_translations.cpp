#include <QtTest>

namespace
{
// The source tree: this file lives in its tests folder.
const QString SOURCE_DIR = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath("..");

QString TsPath(const QString& strLang)
{
    return QDir(SOURCE_DIR).absoluteFilePath("resources/Lang/Translation/Language_" + strLang + ".ts");
}

// "context | source" -> "type|translation" of the texts in use (neither obsolete nor vanished).
QMap<QString, QString> ReadTs(const QString& strPath)
{
    QMap<QString, QString> mapTexts;
    QFile file(strPath);
    QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? &file : nullptr);
    QString strContext, strSource;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            strContext = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            strSource = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            const QString strType = xml.attributes().value("type").toString();
            if (strType != QLatin1String("obsolete") && strType != QLatin1String("vanished"))
                mapTexts.insert(strContext + " | " + strSource, strType + '|' + xml.readElementText());
        }
    }
    return xml.hasError() ? QMap<QString, QString>() : mapTexts;
}
}

// The translation files against the code that uses them.
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    // lupdate over the sources, as scripts/update-translations.sh runs it, into copies of the
    // files: each copy must list exactly the texts the committed file lists.
    void tsFilesMatchSources()
    {
#ifdef Q_OS_WIN
        QSKIP("lupdate is a tool of the build machine; the Linux run checks the .ts files");
#endif
        QTemporaryDir dir;
        QVERIFY(QFile::copy(TsPath("zh_CN"), dir.filePath("zh_CN.ts")) && QFile::copy(TsPath("en_US"), dir.filePath("en_US.ts")));
        QProcess lupdate;
        lupdate.setWorkingDirectory(SOURCE_DIR);
        lupdate.start(QLibraryInfo::location(QLibraryInfo::BinariesPath) + "/lupdate",
                      {"-silent", "-locations", "none", "-I", QDir(SOURCE_DIR).absolutePath(), "app", "ddc", "ui", "-ts",
                       dir.filePath("zh_CN.ts"), dir.filePath("en_US.ts")});
        QVERIFY(lupdate.waitForFinished(120000));
        QVERIFY2(lupdate.exitStatus() == QProcess::NormalExit && lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
        for (const QString strLang : {"zh_CN", "en_US"})
            QVERIFY2(!ReadTs(TsPath(strLang)).isEmpty() && ReadTs(TsPath(strLang)).keys() == ReadTs(dir.filePath(strLang + ".ts")).keys(),
                     qPrintable(strLang + ".ts is stale: run scripts/update-translations.sh"));
    }

    // Chinese, the default, has a finished translation of every text, in the compiled file too.
    // English only carries the texts that differ from the source; the rest stay unfinished and
    // empty, so that the source shows.
    void translationsFinished()
    {
        QTranslator translator;
        QVERIFY(translator.load(":/Lang/Translation/Language_zh_CN.qm"));
        const QMap<QString, QString> mapChinese = ReadTs(TsPath("zh_CN"));
        QVERIFY(!mapChinese.isEmpty());
        QStringList listMissing;
        for (auto it = mapChinese.begin(); it != mapChinese.end(); ++it) {
            const QStringList listParts = it.key().split(" | ");
            if (it.value() == "|" || translator.translate(listParts.at(0).toUtf8(), listParts.at(1).toUtf8()) != it.value().mid(1))
                listMissing << it.key();
        }
        QVERIFY2(listMissing.isEmpty(), qPrintable("no finished Chinese translation:\n" + listMissing.join('\n')));
        const QMap<QString, QString> mapEnglish = ReadTs(TsPath("en_US"));
        QStringList listFinished;
        for (auto it = mapEnglish.begin(); it != mapEnglish.end(); ++it) {
            if (it.value() != "unfinished|")
                listFinished << it.key() + " -> " + it.value();
        }
        QCOMPARE(listFinished, (QStringList{"CStandardModeWidget | High_O -> |High", "CStandardModeWidget | High_l -> |High",
                                            "CSystemSettingWidget | Factory Reset -> |Monitor Factory Reset"}));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
