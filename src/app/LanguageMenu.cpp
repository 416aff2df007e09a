#include "app/LanguageMenu.h"

#include "common/AppLanguage.h"
#include "session/LanguageChoice.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTranslator>

namespace {

const char* const RestartNotice =
    QT_TRANSLATE_NOOP("LanguageMenu", "The new language is used when Tessellor is started again.");

// The notice in the language chosen, which its reader is likelier to read
// than the one shown now; in the one shown now where the chosen has none.
QString restartNotice(const QString& code)
{
    QTranslator chosen;
    if (IsAppLanguage(code) && chosen.load(QStringLiteral("tessellor_") + code, QStringLiteral(":/i18n"))) {
        const QString text = chosen.translate("LanguageMenu", RestartNotice);
        if (!text.isEmpty())
            return text;
    }
    return QCoreApplication::translate("LanguageMenu", RestartNotice);
}

} // namespace

void FillLanguageMenu(QMenu* menu)
{
    auto* group = new QActionGroup(menu);
    const QString remembered = RememberedLanguage();
    const auto addChoice = [&](const QString& code, const QString& name) {
        QAction* entry = menu->addAction(name);
        entry->setObjectName(QStringLiteral("mnLanguage_") +
                             (code.isEmpty() ? QStringLiteral("none") : code));
        entry->setData(code);
        entry->setCheckable(true);
        entry->setChecked(code == remembered);
        group->addAction(entry);
    };
    //: The program's texts as they were first written, untranslated
    addChoice(QString(), QCoreApplication::translate("LanguageMenu", "As specified"));
    menu->addSeparator();
    for (const AppLanguage& language : AppLanguages())
        addChoice(language.code, language.name);
}

void ChooseLanguage(const QString& code, QWidget* owner)
{
    if (code == RememberedLanguage())
        return;
    RememberLanguage(code);
    // The windows are built once with their texts: the new language shows
    // from the next start on.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Tessellor"), restartNotice(code),
                    QMessageBox::Ok, owner->window());
    box.setObjectName(QStringLiteral("LanguageNotice"));
    box.exec();
}
