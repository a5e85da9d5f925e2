#pragma once

class QCoreApplication;
class QString;

namespace quarl {

// Shows Qt's own texts (the edit boxes' context menu, the file dialog, the message box buttons) in German whatever
// the system's language, loading qtbase_de.qm from the directory. Returns false, and leaves them English, where
// that file is missing.
bool InstallGermanQtTexts(QCoreApplication& application, const QString& directory);

} // namespace quarl
