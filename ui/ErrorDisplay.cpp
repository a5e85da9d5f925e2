#include "ErrorDisplay.h"

#include "frontend/ErrorText.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace quarl {

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
