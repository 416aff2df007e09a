#include "print/ui/PrintCardsDialog.h"

#include "common/Exception.h"
#include "common/ui/ExportFiles.h"
#include "print/CardPrint.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

enum WhichCards { AllCards = 0, PlayableCards = 1 };

} // namespace

PrintCardsDialog::PrintCardsDialog(const QString& setFolder, QWidget* parent)
    : QDialog(parent), folder_(setFolder)
{
    setWindowTitle(QStringLiteral("Print cards"));
    buildForm();
    reloadDeck();
}

void PrintCardsDialog::buildForm()
{
    paper_ = new QComboBox(this);
    paper_->addItem(QStringLiteral("A4"), int(PrintOptions::Paper::A4));
    paper_->addItem(QStringLiteral("Letter"), int(PrintOptions::Paper::Letter));
    paper_->setCurrentIndex(paper_->findData(int(DefaultPaper(QLocale::system()))));

    cardSize_ = new QSpinBox(this);
    cardSize_->setRange(int(PrintOptions::MinCardMm), int(PrintOptions::MaxCardMm));
    cardSize_->setValue(int(PrintOptions::DefaultCardMm));
    cardSize_->setSuffix(QStringLiteral(" mm"));

    cuttingLines_ = new QCheckBox(QStringLiteral("Cutting lines"), this);
    cuttingLines_->setChecked(true);
    backs_ =
        new QCheckBox(QStringLiteral("Card backs: the cover after each page, for two-sided printing"), this);

    names_ = new QCheckBox(tr("Names under the pictures"), this);

    auto* all = new QRadioButton(QStringLiteral("All cards"), this);
    auto* playable = new QRadioButton(QStringLiteral("Only cards of playable pairs"), this);
    all->setChecked(true);
    which_ = new QButtonGroup(this);
    which_->addButton(all, AllCards);
    which_->addButton(playable, PlayableCards);
    connect(which_, &QButtonGroup::idClicked, this, [this] { reloadDeck(); });

    skipped_ = new QPlainTextEdit(this);
    skipped_->setReadOnly(true);
    skipped_->setMaximumHeight(fontMetrics().lineSpacing() * 6);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Paper:"), paper_);
    form->addRow(QStringLiteral("Card size:"), cardSize_);
    form->addRow(QString(), cuttingLines_);
    form->addRow(QString(), backs_);
    form->addRow(QString(), names_);
    form->addRow(QStringLiteral("Cards:"), all);
    form->addRow(QString(), playable);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons->addButton(QStringLiteral("Preview..."), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &PrintCardsDialog::preview);
    connect(buttons->addButton(QStringLiteral("Print..."), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &PrintCardsDialog::printOnPrinter);
    connect(buttons->addButton(QStringLiteral("Save as PDF..."), QDialogButtonBox::ActionRole),
            &QPushButton::clicked, this, &PrintCardsDialog::askAndSavePdf);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Not printed:"), this));
    layout->addWidget(skipped_);
    layout->addWidget(buttons);
}

PrintOptions PrintCardsDialog::options() const
{
    PrintOptions options;
    options.paper = PrintOptions::Paper(paper_->currentData().toInt());
    options.cardMm = cardSize_->value();
    options.cuttingLines = cuttingLines_->isChecked();
    options.backs = backs_->isChecked();
    options.names = names_->isChecked();
    options.playableOnly = which_->checkedId() == PlayableCards;
    return options;
}

void PrintCardsDialog::reloadDeck()
{
    try {
        deck_ = PrintDeck::read(folder_, options().playableOnly);
    } catch (const Exception& e) {
        deck_ = PrintDeck();
        showError(e.Message());
    }
    showSkipped();
}

void PrintCardsDialog::showSkipped()
{
    const QStringList lines = deck_.skippedLines();
    skipped_->setPlainText(lines.isEmpty() ? QStringLiteral("(none)") : lines.join(QLatin1Char('\n')));
}

void PrintCardsDialog::paintOn(QPrinter* printer)
{
    try {
        CardPrint(deck_, options()).paint(*printer);
    } catch (const Exception& e) {
        showError(e.Message());
    }
}

void PrintCardsDialog::preview()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(deck_.setName());
    QPrintPreviewDialog dialog(&printer, this);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &PrintCardsDialog::paintOn);
    dialog.exec();
}

void PrintCardsDialog::printOnPrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setDocName(deck_.setName());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        paintOn(&printer);
}

void PrintCardsDialog::askAndSavePdf()
{
    const QString suggested = ExportFiles::ProposedPath(deck_.setName() + QStringLiteral(".pdf"));
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save cards as PDF"), suggested,
                                                      QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty() || !savePdf(path))
        return;
    ExportFiles::Remember(path);
    ExportFiles::TellWritten(this, QStringLiteral("Save cards as PDF"), QStringLiteral("PDF file"), path);
}

bool PrintCardsDialog::savePdf(const QString& path)
{
    try {
        WriteCardsPdf(CardPrint(deck_, options()), path);
        return true;
    } catch (const Exception& e) {
        showError(e.Message());
        return false;
    }
}

void PrintCardsDialog::showError(const QString& message)
{
    QMessageBox::warning(this, QStringLiteral("Print cards"), message);
}

void ShowPrintCardsDialog(QWidget* parent, const QString& setFolder)
{
    PrintCardsDialog dialog(setFolder, parent);
    dialog.exec();
}
