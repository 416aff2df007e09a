#pragma once

// The editor window's controls as a user finds them: by their names. Tests
// click and read them; commands they run through the window's table.

#include "app/CardFontDialog.h"
#include "app/EditorForm.h"
#include "app/TfrmConfigurador.h"
#include "audio/ui/TMMWaveOpenDialog.h"
#include "images/ui/TDBImage.h"
#include "images/ui/TOpenPictureDialog.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QToolButton>
#include <QtTest>
#include <type_traits>

namespace WindowControls {

template <class T> T* named(const TfrmConfigurador& w, const char* name)
{
    T* found = w.centralWidget()->findChild<T*>(QLatin1String(name));
    if (!found)
        found = w.menuBar()->findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("The editor window has no control named %s", name);
    return found;
}

} // namespace WindowControls

// Every control of `w`, found by its name.
inline EditorForm ui(const TfrmConfigurador& w)
{
    EditorForm f;
#define TESSELLOR_FIND(field)                                                                                \
    f.field = WindowControls::named<std::remove_pointer_t<decltype(f.field)>>(w, #field)
    TESSELLOR_FIND(Bevel1);
    TESSELLOR_FIND(Label2);
    TESSELLOR_FIND(Label3);
    TESSELLOR_FIND(DBImage1);
    TESSELLOR_FIND(DBImage2);
    TESSELLOR_FIND(memTexto);
    TESSELLOR_FIND(Panel1);
    TESSELLOR_FIND(lblProgresso);
    TESSELLOR_FIND(Progresso);
    for (QToolButton** button :
         {&f.btnImagem, &f.btnDuplicar, &f.btnSom, &f.btnTocarSom, &f.btnTexto, &f.btnFonte, &f.btnAbrir,
          &f.btnSalvar, &f.btnCopiar, &f.btnColar, &f.btnAnterior, &f.btnProximo})
        *button = nullptr;
    TESSELLOR_FIND(btnImagem);
    TESSELLOR_FIND(btnDuplicar);
    TESSELLOR_FIND(btnSom);
    TESSELLOR_FIND(btnTocarSom);
    TESSELLOR_FIND(btnTexto);
    TESSELLOR_FIND(btnFonte);
    TESSELLOR_FIND(btnAbrir);
    TESSELLOR_FIND(btnSalvar);
    TESSELLOR_FIND(btnCopiar);
    TESSELLOR_FIND(btnColar);
    TESSELLOR_FIND(btnAnterior);
    TESSELLOR_FIND(btnProximo);
    f.mnConfig = w.menuBar();
    TESSELLOR_FIND(mnArquivo);
    TESSELLOR_FIND(mnNovo);
    TESSELLOR_FIND(mnAbrir);
    TESSELLOR_FIND(mnSalvar);
    TESSELLOR_FIND(mnImportar);
    TESSELLOR_FIND(Propriedades1);
    TESSELLOR_FIND(mnImportFile);
    TESSELLOR_FIND(mnExportFile);
    TESSELLOR_FIND(mnExportWeb);
    TESSELLOR_FIND(mnPrintCards);
    TESSELLOR_FIND(mnRecent);
    TESSELLOR_FIND(N3);
    TESSELLOR_FIND(mnSair);
    TESSELLOR_FIND(mnEditar);
    TESSELLOR_FIND(mnImagem);
    TESSELLOR_FIND(mnInsImg);
    TESSELLOR_FIND(mnDupImg);
    TESSELLOR_FIND(mnSom);
    TESSELLOR_FIND(mnInsSom);
    TESSELLOR_FIND(mnOuvSom);
    TESSELLOR_FIND(mnGravarSom);
    TESSELLOR_FIND(mnFalarTexto);
    TESSELLOR_FIND(mnTexto);
    TESSELLOR_FIND(mnInsTex);
    TESSELLOR_FIND(mnFonte);
    TESSELLOR_FIND(N1);
    TESSELLOR_FIND(mnCopiar);
    TESSELLOR_FIND(mnColar);
    TESSELLOR_FIND(mnPastePicture);
    TESSELLOR_FIND(N2);
    TESSELLOR_FIND(mnAvancar);
    TESSELLOR_FIND(mnRecuar);
    TESSELLOR_FIND(mnSepDesfazer);
    TESSELLOR_FIND(mnDesfazer);
    TESSELLOR_FIND(mnRefazer);
    TESSELLOR_FIND(mnView);
    TESSELLOR_FIND(mnSetOverview);
    TESSELLOR_FIND(mnPlaySet);
    TESSELLOR_FIND(mnAjuda);
    TESSELLOR_FIND(mnTopicos);
    TESSELLOR_FIND(mnSobre);
#undef TESSELLOR_FIND
    return f;
}

// The dialogs the window's commands keep for the whole run.
inline CardFontDialog* fontDialog(const TfrmConfigurador& w)
{
    return w.findChild<CardFontDialog*>();
}

inline TMMWaveOpenDialog* waveDialog(const TfrmConfigurador& w)
{
    return w.findChild<TMMWaveOpenDialog*>(QString(), Qt::FindDirectChildrenOnly);
}

inline TOpenPictureDialog* pictureDialog(const TfrmConfigurador& w)
{
    return w.findChild<TOpenPictureDialog*>(QStringLiteral("dlOpenBitmap"));
}

// Runs the handler of command `id` of the window's table, as its entry does
// but outside the command guard: errors reach the caller.
inline void handle(const TfrmConfigurador& w, const char* id)
{
    const CommandTable::Command* command = w.Commands().find(QLatin1String(id));
    if (!command)
        qFatal("The editor window has no command %s", id);
    command->handler();
}
