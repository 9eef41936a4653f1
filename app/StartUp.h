#pragma once

#include <QString>
#include <QStringList>

class QApplication;

// Start-up steps that turn resources into application state.
QStringList GetTranslationFiles(int nLanguageType);
void InstallTranslators(QApplication& app);

inline const QString STYLE_SHEET_FOLDER = QStringLiteral(":/Qss/Resource/QssConfig");

// Every ".qss" file of the folder, in its listing order, concatenated; empty when there is none.
QString ReadStyleSheets(const QString& strFolder);
// Sets that text as the application's style sheet; an empty folder leaves the style sheet as it is.
void LoadStyleSheets(QApplication& app, const QString& strFolder = STYLE_SHEET_FOLDER);

// The whole start-up and event loop; main() only calls this.
int RunClient(int argc, char* argv[]);
