#include "ddc/DDCUtil.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

// The shared code texts, as the catalogue header declares them: what the monitor receives and
// what the log shows.
class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void codeTextsAreCanonicalAndUnique()
    {
        QFile header(QFINDTESTDATA("../ddc/VcpCodes.h"));
        QVERIFY(header.open(QIODevice::ReadOnly));
        static const QRegularExpression s_reEntry(QStringLiteral("inline const QString ((VCP|EE|F0)_\\w+) = QStringLiteral\\(\"([^\"]*)\"\\);"));
        // One spelling only, so that the same code compares and logs the same everywhere.
        static const QRegularExpression s_reCode(QStringLiteral("^0x[0-9A-F]{2}$"));
        QHash<QString, QString> hashSeen;   // "<group> <text>" to the name that has it
        for (QRegularExpressionMatchIterator it = s_reEntry.globalMatch(QString::fromUtf8(header.readAll())); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const QString strName = match.captured(1), strText = match.captured(3);
            QVERIFY2(s_reCode.match(strText).hasMatch(), qPrintable(strName + QLatin1Char(' ') + strText));
            // What the plug-in is handed for a code or sub-code text.
            QCOMPARE(CDDCUtil::ValueFromText(strText), strText.mid(2).toInt(nullptr, 16));
            // Codes share one space, sub-codes one per group.
            const QString strKey = match.captured(2) + QLatin1Char(' ') + strText;
            QVERIFY2(!hashSeen.contains(strKey), qPrintable(strName + QLatin1String(" repeats ") + hashSeen.value(strKey)));
            hashSeen.insert(strKey, strName);
        }
        QVERIFY2(hashSeen.size() > 80, qPrintable(QString::number(hashSeen.size())));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
