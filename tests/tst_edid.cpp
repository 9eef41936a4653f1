#include "ddc/DDCUtil.h"
#include "tests/support/LogCapture.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace
{
struct CorpusRow
{
    QString strFile;
    QByteArray baName;          // the expected name's bytes as shown
    bool bTooShort = false;
    bool bNoDescriptor = false;
};

// "\\" is a backslash, "\xNN" the byte NN, anything else itself.
QByteArray Unescaped(const QByteArray& baCell)
{
    QByteArray baBytes;
    for (int i = 0; i < baCell.size(); ++i) {
        if (baCell.at(i) == '\\' && baCell.mid(i + 1, 1) == "x") {
            baBytes.append(char(baCell.mid(i + 2, 2).toInt(nullptr, 16)));
            i += 3;
        } else {
            baBytes.append(baCell.at(i));
            i += baCell.at(i) == '\\' ? 1 : 0;
        }
    }
    return baBytes;
}

// corpus.tsv: tab-separated, a header row, no quoting, cells not trimmed.
QList<CorpusRow> ReadCorpus(const QString& strPath)
{
    QList<CorpusRow> listRows;
    QFile file(strPath);
    if (!file.open(QIODevice::ReadOnly))
        return listRows;
    const QList<QByteArray> listLines = file.readAll().split('\n');
    const QList<QByteArray> listHeader = listLines.value(0).split('\t');
    const int nFile = listHeader.indexOf("file");
    const int nName = listHeader.indexOf("name");
    const int nShown = listHeader.indexOf("display_name");
    const int nFlags = listHeader.indexOf("flags");
    for (int i = 1; i < listLines.size(); ++i) {
        if (listLines.at(i).isEmpty())
            continue;
        const QList<QByteArray> listCells = listLines.at(i).split('\t');
        CorpusRow row;
        row.strFile = QString::fromUtf8(listCells.value(nFile));
        row.bTooShort = listCells.value(nName) == "<error>";
        row.baName = row.bTooShort ? QByteArray() : Unescaped(listCells.value(nShown));
        row.bNoDescriptor = row.baName.isEmpty() && !row.bTooShort && listCells.value(nFlags).split(',').contains("no_name");
        listRows.append(row);
    }
    return listRows;
}

QString Decoded(const QByteArray& baName)
{
    return QString::fromLocal8Bit(baName.constData(), baName.size());
}

QByteArray BaseBlock()
{
    QByteArray baEdid(128, '\0');
    const char header[] = {0, char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), char(0xFF), 0};
    for (int i = 0; i < 8; ++i)
        baEdid[i] = header[i];
    return baEdid;
}

void PutDescriptor(QByteArray& baEdid, int nSlot, quint8 nTag, const QByteArray& baText)
{
    baEdid[nSlot + 3] = char(nTag);
    for (int i = 0; i < 13; ++i)
        baEdid[nSlot + 5 + i] = i < baText.size() ? baText.at(i) : ' ';
}
}

// Monitor names from EDIDs of real monitors and from a few made for the purpose.
class TestEdid : public QObject
{
    Q_OBJECT
private:
    QString m_strDataDir;

private slots:
    void initTestCase()
    {
        const QString strCorpus = QFINDTESTDATA("data/edid/corpus.tsv");
        QVERIFY2(!strCorpus.isEmpty(), "tests/data/edid/corpus.tsv not found");
        m_strDataDir = QFileInfo(strCorpus).absolutePath();
        QCOMPARE(ReadCorpus(strCorpus).size(), 264);
    }

    void realMonitors_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("tooShort");
        QTest::addColumn<bool>("noDescriptor");
        for (const CorpusRow& row : ReadCorpus(QFINDTESTDATA("data/edid/corpus.tsv")))
            QTest::newRow(qPrintable(row.strFile)) << row.strFile << row.baName << row.bTooShort << row.bNoDescriptor;
    }
    void realMonitors()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, name);
        QFETCH(bool, tooShort);
        QFETCH(bool, noDescriptor);
        QFile hexFile(m_strDataDir + QLatin1Char('/') + file);
        QVERIFY(hexFile.open(QIODevice::ReadOnly));
        const QString strHex = QString::fromLatin1(hexFile.readAll().trimmed());

        CLogCapture log;
        const QString strName = CDDCUtil::ParseMonitorNameFromEdid(strHex);
        QCOMPARE(strName, Decoded(name));
        bool bAscii = true;
        for (char c : name)
            bAscii = bAscii && quint8(c) < 0x80;
        if (bAscii)
            QCOMPARE(strName.toLatin1(), name);

        if (tooShort) {
            QCOMPARE(log.Lines().size(), 1);
            QVERIFY(log.Has(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", "Invalid EDID data. Size too small."));
        } else if (noDescriptor) {
            QCOMPARE(log.Lines().size(), 1);
            QVERIFY(log.Has(LOG_ERROR, "CDDCUtil::ParseMonitorNameFromEdid", "Monitor Name (FC block) not found in EDID."));
        } else {
            QCOMPARE(log.Lines(), QStringList());
        }
    }

    void madeUp_data()
    {
        QTest::addColumn<QByteArray>("edid");
        QTest::addColumn<QByteArray>("name");

        QByteArray baEdid = BaseBlock();
        PutDescriptor(baEdid, 90, 0xFC, "ABC\n         ");
        QTest::newRow("line feed then spaces") << baEdid << QByteArray("ABC");

        baEdid = BaseBlock();
        PutDescriptor(baEdid, 54, 0xFC, "X27Q         ");
        QTest::newRow("13 bytes, no line feed") << baEdid << QByteArray("X27Q         ");

        // A timing descriptor (non-zero pixel clock) holding 0xFC bytes is not a name.
        baEdid = BaseBlock();
        baEdid[54] = 0x09;
        baEdid[56] = char(0xFC);
        baEdid[57] = char(0xFC);
        PutDescriptor(baEdid, 108, 0xFC, "Real\n");
        QTest::newRow("0xFC inside timing data") << baEdid << QByteArray("Real");

        baEdid = BaseBlock();
        PutDescriptor(baEdid, 72, 0xFF, "SERIAL\n");
        PutDescriptor(baEdid, 90, 0xFC, "First\n");
        PutDescriptor(baEdid, 108, 0xFC, "Second\n");
        QTest::newRow("first name descriptor wins") << baEdid << QByteArray("First");

        baEdid = BaseBlock();
        PutDescriptor(baEdid, 72, 0xFC, "\n");
        QTest::newRow("empty name") << baEdid << QByteArray();

        baEdid = BaseBlock();
        PutDescriptor(baEdid, 72, 0xFC, QByteArray("PAQ3416W\0\nX", 11));
        QTest::newRow("NUL ends the name") << baEdid << QByteArray("PAQ3416W");

        baEdid = BaseBlock();
        PutDescriptor(baEdid, 72, 0xFC, "\x02" "A\x7F" "B\r\tC\xA0\n");
        QTest::newRow("control bytes left out") << baEdid << QByteArray("ABC\xA0");

        baEdid = BaseBlock();
        PutDescriptor(baEdid, 72, 0xFC, "Block0\n");
        baEdid.append(QByteArray(128, char(0xFC)));
        QTest::newRow("extension block ignored") << baEdid << QByteArray("Block0");
    }
    void madeUp()
    {
        QFETCH(QByteArray, edid);
        QFETCH(QByteArray, name);
        CLogCapture log;
        QCOMPARE(CDDCUtil::ParseMonitorNameFromEdid(QString::fromLatin1(edid.toHex())), Decoded(name));
        QCOMPARE(log.CountLevel(LOG_ERROR), 0);
    }
};

QTEST_MAIN(TestEdid)
#include "tst_edid.moc"
