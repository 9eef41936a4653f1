#include "tests/support/TestSupport.h"

#include "ddc/DDCUtil.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPluginLoader>
#include <QSharedPointer>
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
    QStringList listWrites;
    for (const QString& strLine : Transcript()) {
        if (strLine.startsWith(QLatin1String("SET ")))
            listWrites.append(strLine);
    }
    return listWrites;
}

bool WaitForTranscriptLine(const QString& strLine, int nTimeoutMs)
{
    QDeadlineTimer deadline(nTimeoutMs);
    while (!deadline.hasExpired()) {
        if (Transcript().contains(strLine))
            return true;
        QTest::qWait(20);
    }
    return Transcript().contains(strLine);
}

void AnswerNextModal(QMessageBox::StandardButton button, int nTimeoutMs)
{
    auto* pTimer = new QTimer(qApp);
    auto nWaited = QSharedPointer<int>::create(0);
    pTimer->setInterval(20);
    QObject::connect(pTimer, &QTimer::timeout, pTimer, [pTimer, nWaited, button, nTimeoutMs] {
        *nWaited += 20;
        QWidget* pModal = QApplication::activeModalWidget();
        if (auto* pBox = qobject_cast<QMessageBox*>(pModal)) {
            if (QAbstractButton* pButton = pBox->button(button))
                pButton->click();
            else
                pBox->done(button);
        } else if (*nWaited < nTimeoutMs) {
            return;
        }
        pTimer->stop();
        pTimer->deleteLater();
    });
    pTimer->start();
}
}
