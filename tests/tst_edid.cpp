#include "ddc/DDCUtil.h"
#include "tests/support/LogCapture.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace
{
// A corpus cell: "\\" is a backslash, "\xNN" the byte NN.
QByteArray Unescaped(const QByteArray& baCell)
{
    QByteArray baBytes;
    for (int i = 0; i < baCell.size(); ++i) {
        const bool bHex = baCell.at(i) == '\\' && baCell.mid(i + 1, 1) == "x";
        baBytes.append(bHex ? char(baCell.mid(i + 2, 2).toInt(nullptr, 16)) : baCell.at(i));
        i += bHex ? 3 : baCell.at(i) == '\\' ? 1 : 0;
    }
    return baBytes;
}
}

class TestEdid : public QObject
{
    Q_OBJECT
private slots:
    // Every monitor of the corpus gets its display_name, and only the unreadable ones log an error.
    void realMonitors()
    {
        const QString strCorpus = QFINDTESTDATA("data/edid/corpus.tsv");
        QFile corpus(strCorpus);
        QVERIFY(corpus.open(QIODevice::ReadOnly));
        const QList<QByteArray> listLines = corpus.readAll().split('\n');
        const QList<QByteArray> listHeader = listLines.first().split('\t');
        QStringList listWrong;
        int nRows = 0;
        for (const QByteArray& baLine : listLines.mid(1)) {
            if (baLine.isEmpty())
                continue;
            ++nRows;
            const QList<QByteArray> listCells = baLine.split('\t');
            const auto cell = [&](const char* szColumn) { return listCells.value(listHeader.indexOf(szColumn)); };
            QFile hex(QFileInfo(strCorpus).absolutePath() + QLatin1Char('/') + QString::fromUtf8(cell("file")));
            QVERIFY(hex.open(QIODevice::ReadOnly));
            const bool bTooShort = cell("name") == "<error>";
            const QByteArray baName = bTooShort ? QByteArray() : Unescaped(cell("display_name"));
            const bool bNoName = !bTooShort && baName.isEmpty() && cell("flags").split(',').contains("no_name");
            CLogCapture log;
            const QString strName = CDDCUtil::ParseMonitorNameFromEdid(QString::fromLatin1(hex.readAll().trimmed()));
            const QString strError = bTooShort ? QStringLiteral("Invalid EDID data. Size too small.")
                                               : QStringLiteral("Monitor Name (FC block) not found in EDID.");
            const int nErrors = log.Count(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", strError);
            if (strName != QString::fromLocal8Bit(baName) || log.Lines().size() != nErrors
                || nErrors != ((bTooShort || bNoName) ? 1 : 0))
                listWrong << QStringLiteral("%1: %2 %3").arg(QString::fromUtf8(cell("file")), strName, log.Lines().join(' '));
        }
        QCOMPARE(nRows, 264);
        QVERIFY2(listWrong.isEmpty(), qPrintable(listWrong.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestEdid)
#include "tst_edid.moc"
