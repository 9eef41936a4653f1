#include "plugins/common/DdcCodec.h"
#include "plugins/ddcci/DdcciMonitorControl.h"

#include <QtTest>

using EReplyStatus = CDdcCodec::EReplyStatus;
Q_DECLARE_METATYPE(CDdcCodec::EReplyStatus)

namespace
{
QByteArray Bytes(const char* szHex)
{
    return QByteArray::fromHex(QByteArray(szHex).replace(' ', ""));
}
}

// DDC/CI message bytes, checked against hand-computed vectors.
class TestDdcciCodec : public QObject
{
    Q_OBJECT
private slots:
    void requests_data()
    {
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("get brightness") << CDdcCodec::GetVcpRequest(0x10) << Bytes("51 82 01 10 AC");
        QTest::newRow("set brightness 50") << CDdcCodec::SetVcpRequest(0x10, 50) << Bytes("51 84 03 10 00 32 9A");
        QTest::newRow("set selector EE to 5") << CDdcCodec::SetVcpRequest(0xEE, 5) << Bytes("51 84 03 EE 00 05 53");
        QTest::newRow("set 16-bit value") << CDdcCodec::SetVcpRequest(0x60, 0x1234)
                                          << Bytes("51 84 03 60 12 34") + char(0x6E ^ 0x51 ^ 0x84 ^ 0x03 ^ 0x60 ^ 0x12 ^ 0x34);
    }
    void requests()
    {
        QFETCH(QByteArray, actual);
        QFETCH(QByteArray, expected);
        QCOMPARE(actual.toHex(' '), expected.toHex(' '));
    }

    void reply_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("code");
        QTest::addColumn<EReplyStatus>("status");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("value");
        QTest::newRow("max 100 current 50") << Bytes("6E 88 02 00 10 00 00 64 00 32 F2") << 0x10 << EReplyStatus::Ok << 100 << 50;
        QTest::newRow("16-bit current") << Bytes("6E 88 02 00 60 00 00 64 01 2C 9D") << 0x60 << EReplyStatus::Ok << 100 << 300;
        QTest::newRow("trailing bytes ignored") << Bytes("6E 88 02 00 10 00 00 64 00 32 F2 FF FF") << 0x10 << EReplyStatus::Ok << 100 << 50;
        QTest::newRow("unsupported result code") << Bytes("6E 88 02 01 00 00 00 00 00 00 B5") << 0x10 << EReplyStatus::Unsupported << 0 << 0;
        QTest::newRow("null message") << Bytes("6E 80 BE 00 00 00 00 00 00 00 00") << 0x10 << EReplyStatus::NullMessage << 0 << 0;
        QTest::newRow("all value bytes zero") << Bytes("6E 88 02 00 10 00 00 00 00 00 A4") << 0x10 << EReplyStatus::Unsupported << 0 << 0;
        QTest::newRow("wrong checksum") << Bytes("6E 88 02 00 10 00 00 64 00 32 F3") << 0x10 << EReplyStatus::BadChecksum << 0 << 0;
        QTest::newRow("null message, wrong checksum") << Bytes("6E 80 BF 00") << 0x10 << EReplyStatus::BadChecksum << 0 << 0;
        QTest::newRow("wrong code") << Bytes("6E 88 02 00 10 00 00 64 00 32 F2") << 0x12 << EReplyStatus::WrongCode << 0 << 0;
        QTest::newRow("short: cut after the value") << Bytes("6E 88 02 00 10 00 00 64 00 32") << 0x10 << EReplyStatus::BadLength << 0 << 0;
        QTest::newRow("short: two bytes") << Bytes("6E 88") << 0x10 << EReplyStatus::BadLength << 0 << 0;
        QTest::newRow("length byte other than 8") << Bytes("6E 86 02 00 10 00 00 64 F2") << 0x10 << EReplyStatus::BadLength << 0 << 0;
        QTest::newRow("length flag missing") << Bytes("6E 08 02 00 10 00 00 64 00 32 72") << 0x10 << EReplyStatus::BadLength << 0 << 0;
        QTest::newRow("all zero") << QByteArray(11, '\0') << 0x10 << EReplyStatus::AllZero << 0 << 0;
        QTest::newRow("wrong first byte") << Bytes("6F 88 02 00 10 00 00 64 00 32 F3") << 0x10 << EReplyStatus::BadAddress << 0 << 0;
        QTest::newRow("not a VCP reply") << Bytes("6E 88 03 00 10 00 00 64 00 32 F3") << 0x10 << EReplyStatus::BadType << 0 << 0;
        QTest::newRow("unknown result code") << Bytes("6E 88 02 05 10 00 00 64 00 32 F7") << 0x10 << EReplyStatus::BadType << 0 << 0;
    }
    void reply()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, code);
        QFETCH(EReplyStatus, status);
        const CDdcCodec::VcpReply reply = CDdcCodec::ParseGetVcpReply(bytes, quint8(code));
        QCOMPARE(CDdcCodec::StatusText(reply.eStatus), CDdcCodec::StatusText(status));
        if (status == EReplyStatus::Ok) {
            QTEST(reply.nMax, "max");
            QTEST(reply.nValue, "value");
        }
    }

    void codeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::newRow("catalogue form") << "0x10" << 0x10;
        QTest::newRow("upper X, lower digits") << "0Xef" << 0xEF;
        QTest::newRow("one digit") << "0x4" << 0x04;
        QTest::newRow("three digits") << "0x100" << -1;
        QTest::newRow("no prefix") << "10" << -1;
        QTest::newRow("prefix only") << "0x" << -1;
        QTest::newRow("signed") << "0x-1" << -1;
        QTest::newRow("not hex") << "0xZZ" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void codeText()
    {
        QFETCH(QString, text);
        QTEST(CDdcCodec::CodeFromText(text), "code");
    }

    void busFromDeviceId_data()
    {
        QTest::addColumn<QString>("deviceId");
        QTest::addColumn<int>("bus");
        const QString strGuid = QStringLiteral("{e6f07b5f-ee97-4a90-b076-33f57bf4eaa7}");
        QTest::newRow("linux shape") << "\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID5#" + strGuid << 5;
        QTest::newRow("two-digit bus, HDMI") << "\\\\?\\DISPLAY#ZVO24F1#card1-HDMI-A-1&UID12#" + strGuid << 12;
        QTest::newRow("case differs") << "\\\\?\\display#zvo27a1#card0-DP-1&uid7#" + strGuid.toUpper() << 7;
        QTest::newRow("windows instance path") << "\\\\?\\DISPLAY#ZVO27A1#5&2b8d3e4&0&UID4353#" + strGuid << -1;
        QTest::newRow("no bus") << "\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID#" + strGuid << -1;
        QTest::newRow("bus too large") << "\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID99999999#" + strGuid << -1;
        QTest::newRow("other class") << "\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID5#{00000000-0000-0000-0000-000000000000}" << -1;
        QTest::newRow("trailing text") << "\\\\?\\DISPLAY#ZVO27A1#card0-DP-1&UID5#" + strGuid + "x" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void busFromDeviceId()
    {
        QFETCH(QString, deviceId);
        QTEST(CDdcciMonitorControl::BusFromDeviceId(deviceId), "bus");
    }
};

QTEST_GUILESS_MAIN(TestDdcciCodec)
#include "tst_ddcci_codec.moc"
