#include "ui/pages/ValueTable.h"

CValueTable::CValueTable(std::initializer_list<Row> listReadRows, std::initializer_list<const char*> listWritten)
    : m_vecRows(listReadRows)
{
    for (const char* szValue : listWritten)
        m_listWritten.append(QString::fromLatin1(szValue));
}

CValueTable CValueTable::Sequential(int nFirstValue, int nCount)
{
    CValueTable table;
    for (int n = 0; n < nCount; ++n) {
        table.m_vecRows.append({nFirstValue + n, n});
        table.m_listWritten.append(HexText(nFirstValue + n));
    }
    return table;
}

QString CValueTable::HexText(int nValue)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(nValue, 2, 16, QLatin1Char('0')).toUpper();
}

int CValueTable::IndexForValue(int nValueRead) const
{
    for (const Row& row : m_vecRows) {
        if (row.nValue == nValueRead)
            return row.nIndex;
    }
    return -1;
}

QString CValueTable::ValueForIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_listWritten.size())
        return QString();
    return m_listWritten.at(nIndex);
}
