#include "ui/ErrorDisplay.h"

#include "frontend/ErrorText.h"
#include "frontend/Guarded.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quarl {

void ShowError(std::string_view message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    QString::fromStdString(ErrorText(message)), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowCurrentError() noexcept
{
    ShowCurrentError(ShowError);
}

} // namespace quarl
