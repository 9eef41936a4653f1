#include "tests/support/TestSupport.h"

#include "ddc/DDCUtil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QSlider>
#include <QTest>
#include <QTimer>

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

QByteArray MonitorJson(const QVariantMap& mapValues, const QStringList& listFailing, int nMonitors)
{
    QJsonArray monitors;
    for (int i = 0; i < nMonitors; ++i)
        monitors.append(QJsonObject{{"values", QJsonObject::fromVariantMap(mapValues)},
                                    {"failing", QJsonArray::fromStringList(listFailing)}});
    return QJsonDocument(QJsonObject{{"monitors", monitors}}).toJson(QJsonDocument::Compact);
}

qint64 MsBetween(const QString& strFirst, const QString& strSecond)
{
    const QStringList listLines = Transcript();
    const QList<qint64> listTimes = Sim()->TranscriptTimes();
    const int nFirst = listLines.indexOf(strFirst);
    const int nSecond = nFirst < 0 ? -1 : listLines.indexOf(strSecond, nFirst + 1);
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

bool WaitForTranscriptLine(const QString& strLine, int nTimeoutMs)
{
    return QTest::qWaitFor([&strLine] { return Transcript().contains(strLine); }, nTimeoutMs);
}

void AnswerNextModal(QMessageBox::StandardButton button, int nTimeoutMs)
{
    auto* pTimer = new QTimer(qApp);
    const QDeadlineTimer deadline(nTimeoutMs);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, deadline, button] {
        auto* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox && !deadline.hasExpired())
            return;
        if (QAbstractButton* pButton = pBox ? pBox->button(button) : nullptr)
            pButton->click();
        else if (pBox)
            pBox->done(button);
        pTimer->stop();
        pTimer->deleteLater();
    });
    pTimer->start(20);
}
}
