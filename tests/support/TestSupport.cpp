#include "tests/support/TestSupport.h"

#include "ddc/DDCUtil.h"

#include <QtWidgets>

namespace TestSupport
{
CSimMonitorControl* Sim()
{
    // Make sure the client loaded the plug-in first, then reach the same root instance.
    CDDCUtil::GetInstance();
    static QPluginLoader s_loader(QCoreApplication::applicationDirPath() + QStringLiteral("/plugins/Monitor.dll"));
    return qobject_cast<CSimMonitorControl*>(s_loader.instance());
}

bool UseSimConfig(const QByteArray& baJson)
{
    CSimMonitorControl* pSim = Sim();
    if (!pSim || !pSim->LoadConfig(baJson))
        return false;
    CDDCUtil::GetInstance()->Init();
    pSim->ClearTranscript();
    return true;
}

bool UseDefaultSim()
{
    return UseSimConfig(QByteArrayLiteral("{\"monitors\":[{},{}]}"));
}

QStringList Transcript()
{
    return Sim() ? Sim()->Transcript() : QStringList();
}

QStringList Writes()
{
    return Transcript().filter(QRegularExpression(QStringLiteral("^SET ")));
}

qint64 MsBetween(const QString& strFirst, const QString& strSecond)
{
    const QStringList listLines = Transcript();
    const int nFirst = listLines.indexOf(strFirst);
    const int nSecond = nFirst < 0 ? -1 : listLines.indexOf(strSecond, nFirst + 1);
    const QList<qint64> listTimes = Sim()->TranscriptTimes();
    return nSecond < 0 ? -1 : (listTimes.value(nSecond) - listTimes.value(nFirst)) / 1000;
}

QString Mismatches(const QObject* pParent, const QString& strExpect)
{
    QStringList listWrong;
    for (const QString& strItem : strExpect.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (strItem.startsWith(QLatin1Char('+')) || strItem.startsWith(QLatin1Char('-'))) {
            if (Child<QWidget>(pParent, strItem.mid(1))->isEnabled() != strItem.startsWith(QLatin1Char('+')))
                listWrong << strItem;
            continue;
        }
        const QString strName = strItem.section(QLatin1Char('='), 0, 0);
        const QString strWanted = strItem.section(QLatin1Char('='), 1);
        QObject* pChild = Child<QObject>(pParent, strName.section(QLatin1Char('.'), 0, 0));
        const QString strProperty = strName.contains(QLatin1Char('.')) ? strName.section(QLatin1Char('.'), 1)
                                    : qobject_cast<QSlider*>(pChild)    ? QStringLiteral("value")
                                    : qobject_cast<QComboBox*>(pChild)  ? QStringLiteral("currentIndex")
                                    : qobject_cast<QLabel*>(pChild)     ? QStringLiteral("text")
                                                                        : QStringLiteral("checked");
        const QVariant value = pChild->property(qPrintable(strProperty));
        const QString strActual = value.type() == QVariant::Bool ? QString::number(value.toInt()) : value.toString();
        if (strActual != strWanted)
            listWrong << QStringLiteral("%1=%2 (expected %3)").arg(strName, strActual, strWanted);
    }
    return listWrong.join(QLatin1String("; "));
}
}
