#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// Start-up steps that turn resources into application state.
QStringList GetTranslationFiles(int nLanguageType);
void InstallTranslators(QApplication& app);

// Every ".qss" file of the folder, in its listing order, concatenated; empty when there is none.
QString ReadStyleSheets(const QString& strFolder);
void LoadStyleSheets(QApplication& app);

// The whole start-up and event loop; main() only calls this.
int RunClient(int argc, char* argv[]);
