#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>

// One combo box's two mappings as data: "value read -> index" for fills and "index -> value
// text written" for writes. A value without a row selects nothing (-1); an index without a row
// (-1 among them) writes nothing.
class CValueTable
{
public:
    struct Row
    {
        int nValue;
        int nIndex;
    };

    CValueTable(std::initializer_list<Row> listReadRows, std::initializer_list<const char*> listWritten);

    // Index n <-> value nFirstValue + n, written as "0x" and two hex digits.
    static CValueTable Sequential(int nFirstValue, int nCount);
    // An enumerated value as it is written: "0x" and two upper-case hex digits ("0x0B").
    static QString HexText(int nValue);

    int IndexForValue(int nValueRead) const;
    QString ValueForIndex(int nIndex) const;

private:
    CValueTable() = default;

    QVector<Row> m_vecRows;
    QStringList m_listWritten;
};
