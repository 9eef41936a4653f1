#include "plugins/common/DdcCodec.h"

namespace
{
constexpr quint8 OP_GET_VCP = 0x01;
constexpr quint8 OP_GET_VCP_REPLY = 0x02;
constexpr quint8 OP_SET_VCP = 0x03;
constexpr quint8 LENGTH_FLAG = 0x80;
constexpr int RESULT_UNSUPPORTED = 0x01;

quint8 At(const QByteArray& ba, int i)
{
    return static_cast<quint8>(ba.at(i));
}
}

quint8 CDdcCodec::Checksum(quint8 nSeed, const QByteArray& baBytes, int nCount)
{
    quint8 nSum = nSeed;
    for (int i = 0; i < nCount && i < baBytes.size(); ++i)
        nSum ^= At(baBytes, i);
    return nSum;
}

QByteArray CDdcCodec::GetVcpRequest(quint8 nCode)
{
    QByteArray ba;
    ba.append(char(HOST_SOURCE_ADDRESS));
    ba.append(char(LENGTH_FLAG | 2));
    ba.append(char(OP_GET_VCP));
    ba.append(char(nCode));
    ba.append(char(Checksum(DISPLAY_WRITE_ADDRESS, ba, ba.size())));
    return ba;
}

QByteArray CDdcCodec::SetVcpRequest(quint8 nCode, quint16 nValue)
{
    QByteArray ba;
    ba.append(char(HOST_SOURCE_ADDRESS));
    ba.append(char(LENGTH_FLAG | 4));
    ba.append(char(OP_SET_VCP));
    ba.append(char(nCode));
    ba.append(char(nValue >> 8));
    ba.append(char(nValue & 0xFF));
    ba.append(char(Checksum(DISPLAY_WRITE_ADDRESS, ba, ba.size())));
    return ba;
}

CDdcCodec::VcpReply CDdcCodec::ParseGetVcpReply(const QByteArray& baReply, quint8 nCode)
{
    VcpReply reply;
    if (baReply.size() < 3) {
        reply.eStatus = EReplyStatus::BadLength;
        return reply;
    }
    if (baReply.count('\0') == baReply.size()) {
        reply.eStatus = EReplyStatus::AllZero;
        return reply;
    }
    if (At(baReply, 0) != DISPLAY_WRITE_ADDRESS) {
        reply.eStatus = EReplyStatus::BadAddress;
        return reply;
    }
    if (!(At(baReply, 1) & LENGTH_FLAG)) {
        reply.eStatus = EReplyStatus::BadLength;
        return reply;
    }
    const int nLength = At(baReply, 1) & ~LENGTH_FLAG;
    // The bytes after the message are whatever the display clocks out: ignore them.
    if (nLength == 0) {
        reply.eStatus = At(baReply, 2) == Checksum(HOST_ADDRESS, baReply, 2) ? EReplyStatus::NullMessage
                                                                            : EReplyStatus::BadChecksum;
        return reply;
    }
    if (nLength != 8 || baReply.size() < nLength + 3) {
        reply.eStatus = EReplyStatus::BadLength;
        return reply;
    }
    if (At(baReply, nLength + 2) != Checksum(HOST_ADDRESS, baReply, nLength + 2)) {
        reply.eStatus = EReplyStatus::BadChecksum;
        return reply;
    }
    if (At(baReply, 2) != OP_GET_VCP_REPLY) {
        reply.eStatus = EReplyStatus::BadType;
        return reply;
    }
    // An "unsupported" reply need not echo the code, so the result code is looked at first.
    const int nResult = At(baReply, 3);
    if (nResult == RESULT_UNSUPPORTED) {
        reply.eStatus = EReplyStatus::Unsupported;
        return reply;
    }
    if (nResult != 0) {
        reply.eStatus = EReplyStatus::BadType;
        return reply;
    }
    if (At(baReply, 4) != nCode) {
        reply.eStatus = EReplyStatus::WrongCode;
        return reply;
    }
    reply.nType = At(baReply, 5);
    reply.nMax = (At(baReply, 6) << 8) | At(baReply, 7);
    reply.nValue = (At(baReply, 8) << 8) | At(baReply, 9);
    // Some displays answer codes they lack with a valid reply of zeros.
    reply.eStatus = (reply.nMax == 0 && reply.nValue == 0) ? EReplyStatus::Unsupported : EReplyStatus::Ok;
    return reply;
}

int CDdcCodec::CodeFromText(const QString& strCode)
{
    if (!strCode.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) || strCode.size() < 3 || strCode.size() > 4)
        return -1;
    int nCode = 0;
    for (int i = 2; i < strCode.size(); ++i) {
        const char c = strCode.at(i).toLatin1();
        int nDigit = -1;
        if (c >= '0' && c <= '9')
            nDigit = c - '0';
        else if (c >= 'a' && c <= 'f')
            nDigit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            nDigit = c - 'A' + 10;
        if (nDigit < 0)
            return -1;
        nCode = nCode * 16 + nDigit;
    }
    return nCode;
}

const char* CDdcCodec::StatusText(EReplyStatus eStatus)
{
    switch (eStatus) {
    case EReplyStatus::Ok: return "ok";
    case EReplyStatus::Unsupported: return "unsupported";
    case EReplyStatus::NullMessage: return "null message";
    case EReplyStatus::AllZero: return "all-zero reply";
    case EReplyStatus::BadAddress: return "bad source address";
    case EReplyStatus::BadLength: return "bad length";
    case EReplyStatus::BadType: return "bad type or result code";
    case EReplyStatus::BadChecksum: return "bad checksum";
    case EReplyStatus::WrongCode: return "reply for another code";
    }
    return "?";
}
