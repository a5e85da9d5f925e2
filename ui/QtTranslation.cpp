#include "QtTranslation.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace quarl {

bool InstallGermanQtTexts(QCoreApplication& application, const QString& directory)
{
    auto* translator = new QTranslator(&application);
    if (!translator->load(u"qtbase_de"_s, directory)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace quarl
