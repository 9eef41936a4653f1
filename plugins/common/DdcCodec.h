#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the DDC/CI messages the plug-in exchanges with a display, with no bus access, so
// that every rule about them can be checked on plain byte strings.
//
// What goes over i2c-dev lacks the first address byte (the kernel sends it), yet the checksums
// include it: a request's checksum starts from the display's write address, a reply's from the
// host's address.
class CDdcCodec
{
public:
    static constexpr int DISPLAY_I2C_ADDRESS = 0x37;   // 7-bit slave address of DDC/CI
    static constexpr quint8 DISPLAY_WRITE_ADDRESS = 0x6E;
    static constexpr quint8 HOST_SOURCE_ADDRESS = 0x51;
    static constexpr quint8 HOST_ADDRESS = 0x50;
    static constexpr int GET_REPLY_SIZE = 11;

    enum class EReplyStatus
    {
        Ok,
        Unsupported,    // result code "unsupported", or every value byte zero
        NullMessage,    // the display had nothing to say
        AllZero,        // nothing but zero bytes: the display was not ready
        BadAddress,
        BadLength,
        BadType,
        BadChecksum,
        WrongCode,
    };

    struct VcpReply
    {
        EReplyStatus eStatus = EReplyStatus::BadLength;
        int nType = 0;
        int nMax = 0;
        int nValue = 0;
    };

    static quint8 Checksum(quint8 nSeed, const QByteArray& baBytes, int nCount);

    static QByteArray GetVcpRequest(quint8 nCode);
    static QByteArray SetVcpRequest(quint8 nCode, quint16 nValue);
    static VcpReply ParseGetVcpReply(const QByteArray& baReply, quint8 nCode);

    // "0x10" (either case, one or two hex digits) to 0x10; -1 for anything else.
    static int CodeFromText(const QString& strCode);
    static const char* StatusText(EReplyStatus eStatus);
};
