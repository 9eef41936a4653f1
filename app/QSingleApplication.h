#pragma once

#include <QApplication>

class QLocalServer;

// The application object. While it is constructed it finds out whether this user already runs
// a copy (a named local socket); if not, it listens under that name for later copies.
class QSingleApplication : public QApplication
{
    Q_OBJECT
public:
    QSingleApplication(int& argc, char** argv);
    ~QSingleApplication() override;

    bool isRunning() const { return m_bRunning; }

    // Stops listening, so that a copy started from now on does not see this one.
    void CloseServer();

    // The socket name. On Unix it is a path in the user's own runtime folder (mode 0700), so
    // that another user's copy neither blocks nor is blocked by ours; when that folder is too
    // deep for a socket path, in a short folder "zavo-<uid>" of the same kind in the temporary
    // folder.
    static QString ServerName();

private slots:
    void newLocalConnection();

private:
    bool m_bRunning = false;
    QLocalServer* m_pLocalServer = nullptr;
    QString m_strServerName;
};
