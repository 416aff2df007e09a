#pragma once

#include <QString>

class QWidget;

// The set commands' messages: modal boxes with one OK button and no icon.
namespace SetMessages {

inline const QString InvalidNameCaption = QStringLiteral("Nome inválido !");
inline const QString EmptyName = QStringLiteral("Você deve escolher um nome para o conjunto!");
inline const QString NameExists = QStringLiteral("Já existe um conjunto com esse nome! Escolha outro nome.");
inline const QString ErrorCaption = QStringLiteral("Erro");
// No blank after the first full stop: the text is shown as the sets' users know it.
inline const QString CannotCreate = QStringLiteral("Não foi possível criar o novo conjunto.Verifique se "
                                                   "existe espaço em disco ou se o nome do conjunto que você "
                                                   "está criando já não existe.");
inline const QString ChooseASet = QStringLiteral("Você deve escolher um set!");
inline const QString ChooseFolderCaption = QStringLiteral("Escolha um diretório");
inline const QString ChooseAFolder =
    QStringLiteral("Você deve escolher um diretório para importar as imagens !");

// Shows the message modally; returns when the user has pressed OK.
void Show(QWidget* parent, const QString& caption, const QString& text);

} // namespace SetMessages
