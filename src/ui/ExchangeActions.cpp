#include "ExchangeActions.h"

#include "Controls.h"
#include "Messages.h"
#include "document/KitDocument.h"
#include "exchange/TextExchange.h"
#include "io/FileSaver.h"
#include "kit/KitMigration.h"
#include "kit/KitSettings.h"

#include <QFileInfo>

namespace orvanta {

ExchangeActions::ExchangeActions(KitDocument &document, KitSettings &settings, QWidget *page)
    : QObject(page)
    , m_document(document)
    , m_settings(settings)
    , m_page(page)
{
}

// The dialog opens in the folder of the last texts file (at first the kit
// folder).
QString ExchangeActions::chooseTextsFile(QFileDialog *&dialog, const char *name, QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    if (!dialog) {
        dialog = Controls::named(new QFileDialog(m_page), name);
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(mode);
        dialog->setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (save) {
            dialog->setNameFilters({QStringLiteral("PO files (*.po)"), QStringLiteral("PO templates (*.pot)"),
                                    QStringLiteral("XLIFF files (*.xlf)"), QStringLiteral("CSV files (*.csv)")});
            dialog->setDefaultSuffix(QStringLiteral("po"));
            connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString &filter) {
                // "PO files (*.po)" gives "po".
                dialog->setDefaultSuffix(filter.section(QLatin1String("*."), 1).chopped(1));
            });
        } else {
            dialog->setNameFilters({QStringLiteral("Texts (*.po *.pot *.xlf *.xliff *.csv)"),
                                    QStringLiteral("PO files (*.po *.pot)"), QStringLiteral("XLIFF files (*.xlf *.xliff)"),
                                    QStringLiteral("CSV files (*.csv)"), QStringLiteral("All (*)")});
        }
    }
    Controls::openIn(dialog, {m_settings.textsFolder(), m_document.directory()});
    if (save)
        dialog->selectFile(QStringLiteral("texts.") + dialog->defaultSuffix());
    if (dialog->exec() != QDialog::Accepted)
        return {};
    const QString path = dialog->selectedFiles().value(0);
    m_settings.setTextsFolder(QFileInfo(path).absolutePath());
    return path;
}

void ExchangeActions::exportTexts()
{
    const QString path = chooseTextsFile(m_exportDialog, "ExportTextsDialog", QFileDialog::AcceptSave);
    if (path.isEmpty())
        return;
    // A name of another kind is written in the format of the chosen filter.
    const auto format = TextExchange::formatOf(path).value_or(
        TextExchange::formatNamed(m_exportDialog->defaultSuffix()).value_or(TextExchange::Format::Po));
    // XLIFF carries each source's width in the game's own glyphs.
    const auto standard = format == TextExchange::Format::Xliff ? m_document.standardGlyphs()
                                                                : Result<GlyphCache::Entry>(nullptr);
    const auto bytes = TextExchange::exportTexts(
        format, m_document.texts(), m_document.marks(), m_document.codePage(),
        standard && *standard ? &(*standard)->text : nullptr,
        {m_document.codePage().number(), m_settings.language(), QDateTime::currentDateTimeUtc()}, path);
    const Status written = bytes ? FileSaver::save(path, *bytes) : Status(bytes.error());
    if (!written)
        Messages::showError(m_page, QString::fromStdString(written.error().text()));
}

void ExchangeActions::importTexts()
{
    const QString path = chooseTextsFile(m_importDialog, "ImportTextsDialog", QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    const auto file = TextExchange::read(path);
    if (!file) {
        Messages::showError(m_page, QString::fromStdString(file.error().text()));
        return;
    }
    // A file exported in another code page holds letters the kit's may not: ask.
    int codePage = m_document.codePage().number();
    if (file->codePage && file->codePage != codePage && CodePage::isSupported(file->codePage)) {
        switch (Messages::askFileCodePage(m_page, path, file->codePage, codePage)) {
        case QMessageBox::Yes: codePage = file->codePage; break;
        case QMessageBox::No: break;
        default: return;
        }
    }
    applyImport(m_document.kit().importEntries(file->entries, CodePage(codePage)), Messages::importDescription(path),
                codePage);
}

void ExchangeActions::takeFromOlderKit()
{
    if (!m_olderKitDialog) {
        m_olderKitDialog = Controls::named(new QFileDialog(m_page), "OlderKitDialog");
        m_olderKitDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_olderKitDialog->setFileMode(QFileDialog::Directory);
        m_olderKitDialog->setOption(QFileDialog::ShowDirsOnly);
        m_olderKitDialog->setWindowTitle(QStringLiteral("The older kit's folder (its kvmain.dat and lang.dat)"));
        Controls::openIn(m_olderKitDialog, {QFileInfo(m_document.directory()).absolutePath()});
    }
    if (m_olderKitDialog->exec() != QDialog::Accepted)
        return;
    const QString folder = m_olderKitDialog->selectedFiles().value(0);
    auto outcome = KitMigration::fromOlderKit(folder, m_document.texts());
    if (!outcome) {
        Messages::showError(m_page, QString::fromStdString(outcome.error().text()));
        return;
    }
    applyImport(m_document.kit().imported(std::move(*outcome)), Messages::olderKitDescription(folder),
                m_document.codePage().number());
}

void ExchangeActions::applyImport(const OpenKit::Import &import, const QString &description, int codePage)
{
    const bool refused = import.outcome.report.anyRefused();
    if (refused && !Messages::askImportTheRest(m_page, description, import.report))
        return;
    m_document.applyImport(import.outcome, description, codePage);
    if (!refused)
        Messages::importReport(m_page, description, import.report);
}

} // namespace orvanta
