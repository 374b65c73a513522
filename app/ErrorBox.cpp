#include "ErrorBox.h"

#include "ApplicationTitle.h"

#include <QMessageBox>

HandlerError::HandlerError(const QString &message)
    : std::runtime_error(message.toStdString())
{
}

QString ErrorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back() > u'.')
        return message + u'.';
    return message;
}

void ShowErrorBox(const QString &message, QWidget *parent)
{
    auto *box = new QMessageBox(QMessageBox::Critical, ApplicationTitle,
                                ErrorBoxText(message), QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
}
