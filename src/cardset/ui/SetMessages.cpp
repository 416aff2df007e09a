#include "cardset/ui/SetMessages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace SetMessages {

QString InvalidNameCaption()
{
    return QCoreApplication::translate("SetMessages", "Nome inválido !");
}

QString EmptyName()
{
    return QCoreApplication::translate("SetMessages", "Você deve escolher um nome para o conjunto!");
}

QString NameExists()
{
    return QCoreApplication::translate("SetMessages",
                                       "Já existe um conjunto com esse nome! Escolha outro nome.");
}

QString ErrorCaption()
{
    return QCoreApplication::translate("SetMessages", "Erro");
}

QString CannotCreate()
{
    // No blank after the first full stop: the text is shown as the sets' users know it.
    return QCoreApplication::translate(
        "SetMessages", "Não foi possível criar o novo conjunto.Verifique se existe espaço em disco "
                       "ou se o nome do conjunto que você está criando já não existe.");
}

QString ChooseASet()
{
    return QCoreApplication::translate("SetMessages", "Você deve escolher um set!");
}

QString ChooseFolderCaption()
{
    return QCoreApplication::translate("SetMessages", "Escolha um diretório");
}

QString ChooseAFolder()
{
    return QCoreApplication::translate("SetMessages",
                                       "Você deve escolher um diretório para importar as imagens !");
}

void Show(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("SetMessage"));
    box.exec();
}

} // namespace SetMessages
