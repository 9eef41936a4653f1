#include "ui/frame/WaitDlg.h"

#include "ui_WaitDlg.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QKeyEvent>
#include <QTimer>

namespace
{
const int TICK_MS = 500;
const int MIN_SHOW_MS = 1000;
}

CWaitDlg::CWaitDlg(QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::CWaitDlgClass>())
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    m_nStartMs = QDateTime::currentMSecsSinceEpoch();
    m_pTimer = new QTimer(this);
    connect(m_pTimer, &QTimer::timeout, this, &CWaitDlg::Slot_Timer);
    m_pTimer->start(TICK_MS);
}

CWaitDlg::~CWaitDlg() = default;

void CWaitDlg::SetText(const QString& strText)
{
    m_strText = strText;
    QMetaObject::invokeMethod(ui->lbText, "setText", Qt::QueuedConnection, Q_ARG(QString, strText));
}

void CWaitDlg::Slot_Timer()
{
    const qint64 nSeconds = (QDateTime::currentMSecsSinceEpoch() - m_nStartMs) / 1000;
    QMetaObject::invokeMethod(ui->lbText, "setText", Qt::QueuedConnection,
                              Q_ARG(QString, m_strText + QStringLiteral("(%1)").arg(nSeconds)));
}

void CWaitDlg::Slot_Close()
{
    const qint32 nElapsed = static_cast<qint32>(static_cast<quint32>(QDateTime::currentMSecsSinceEpoch())
                                                - static_cast<quint32>(m_nStartMs));
    if (nElapsed < MIN_SHOW_MS) {
        QEventLoop loop;
        QTimer::singleShot(MIN_SHOW_MS - nElapsed, &loop, &QEventLoop::quit);
        loop.exec();
    }
    close();
}

void CWaitDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    // The plain widget handling: Enter and Return do not end the dialog either.
    QWidget::keyPressEvent(event);
}

void RunWithWaitDialog(const QFuture<void>& future, const QString& strText, QWidget* pParent)
{
    CWaitDlg dlg(pParent);
    dlg.SetText(strText);
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &dlg, &CWaitDlg::Slot_Close);
    watcher.setFuture(future);
    dlg.exec();
}
