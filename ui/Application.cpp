#include "ui/Application.h"

#include "QtTranslation.h"

#include "frontend/MainFormData.h"
#include "ui/ErrorDisplay.h"

#include <QLibraryInfo>

using namespace Qt::StringLiterals;

namespace quarl {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    const std::string_view title = MainFormData::ApplicationTitle;
    setApplicationName(QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
    InstallGermanQtTexts(*this, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    UseProgramFont();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentError();
        return false;
    }
}

// Of the sans serif fonts that Debian packages, Cantarell comes closest to "MS Sans Serif" at 96 dots per inch:
// text 13 pixels high at 8 points and 16 at 10 points, letters about 6 pixels wide, and narrow enough that the
// hint's first line fits the input box. Where it is missing, the platform's own sans serif takes its place.
void UseProgramFont()
{
    QFont::insertSubstitution(ProgramFont(MainFormData::WindowFontPoints).family(), u"Cantarell"_s);
    QApplication::setFont(ProgramFont(MainFormData::WindowFontPoints));
}

QFont ProgramFont(int points)
{
    const std::string_view name = MainFormData::FontName;
    QFont font(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), points);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace quarl
