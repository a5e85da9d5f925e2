#include "ErrorDisplay.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace quarl {

std::string ErrorText(std::string_view message)
{
    std::string text(message);
    if (!text.empty() && static_cast<unsigned char>(text.back()) > '.')
        text += '.';
    return text;
}

void ShowError(std::string_view message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QString::fromStdString(ErrorText(message)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowCurrentError()
{
    try {
        throw;
    } catch (const std::exception& error) {
        ShowError(error.what());
    } catch (...) {
        ShowError({});
    }
}

} // namespace quarl
