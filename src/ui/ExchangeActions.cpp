#include "ExchangeActions.h"

#include "Controls.h"
#include "ExchangeMessages.h"
#include "Messages.h"
#include "document/KitDocument.h"
#include "exchange/TextExchange.h"
#include "io/FileSaver.h"
#include "kit/KitSettings.h"

#include <QFileInfo>

namespace orvanta {

namespace {

// What an import asks, asked with message boxes.
class WindowImportQuestions : public ImportQuestions {
public:
    WindowImportQuestions(QWidget *parent, const QString &description) : m_parent(parent), m_description(description) {}

    FileCodePage fileCodePage(const QString &path, int named, int kit) override
    {
        switch (ExchangeMessages::askFileCodePage(m_parent, path, named, kit)) {
        case QMessageBox::Yes: return FileCodePage::File;
        case QMessageBox::No: return FileCodePage::Kit;
        default: return FileCodePage::Cancel;
        }
    }
    // The window reads such a file in the kit's code page without asking.
    bool unofferedCodePage(const QString &, int) override { return true; }
    bool takeTheRest(const OpenKit::Import &import) override
    {
        return ExchangeMessages::askImportTheRest(m_parent, m_description, import.report);
    }

private:
    QWidget *m_parent;
    QString m_description;
};

} // namespace

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
        QStringList filters;
        if (save) {
            for (const TextFormat &format : TextFormat::all())
                filters.append(format.saveFilter());
            dialog->setNameFilters(filters);
            dialog->setDefaultSuffix(TextFormat::all().first().suffixes.first());
            connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString &filter) {
                // "PO files (*.po)" gives "po".
                dialog->setDefaultSuffix(filter.section(QLatin1String("*."), 1).chopped(1));
            });
        } else {
            filters.append(tr("Texts (%1)")
                               .arg(TextFormat::patterns(TextFormat::allSuffixes(TextFormat::Use::Texts))));
            for (const TextFormat &format : TextFormat::all()) {
                if (format.readsTranslations())
                    filters.append(format.openFilter());
            }
            filters.append(tr("All (*)"));
            dialog->setNameFilters(filters);
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
    // The chosen filter's format, unless the name is of another format's
    // kind: "texts.xlf" under "XLIFF files for OmegaT" is XLIFF for OmegaT.
    const TextFormat *chosen = TextFormat::ofSaveFilter(m_exportDialog->selectedNameFilter());
    if (!chosen)
        chosen = &TextFormat::all().first();
    const TextFormat *format = TextFormat::ofFile(path);
    if (!format || chosen->suffixes.contains(QFileInfo(path).suffix(), Qt::CaseInsensitive))
        format = chosen;
    const auto bytes = m_document.exportTexts(format->id, m_settings.language(), path);
    const Status written = bytes ? FileSaver::save(path, *bytes) : Status(bytes.error());
    if (!written)
        Messages::showError(m_page, QString::fromStdString(written.error().text()));
}

void ExchangeActions::importTexts()
{
    const QString path = chooseTextsFile(m_importDialog, "ImportTextsDialog", QFileDialog::AcceptOpen);
    if (path.isEmpty())
        return;
    const QString description = ExchangeMessages::importDescription(path);
    WindowImportQuestions questions(m_page, description);
    const auto import = m_document.kit().importFile(path, questions);
    if (!import)
        Messages::showError(m_page, QString::fromStdString(import.error().text()));
    else if (*import)
        applyImport(**import, description);
}

void ExchangeActions::takeFromOlderKit()
{
    if (!m_olderKitDialog) {
        m_olderKitDialog = Controls::named(new QFileDialog(m_page), "OlderKitDialog");
        m_olderKitDialog->setOption(QFileDialog::DontUseNativeDialog);
        m_olderKitDialog->setFileMode(QFileDialog::Directory);
        m_olderKitDialog->setOption(QFileDialog::ShowDirsOnly);
        m_olderKitDialog->setWindowTitle(tr("The older kit's folder (its kvmain.dat and lang.dat)"));
        Controls::openIn(m_olderKitDialog, {QFileInfo(m_document.directory()).absolutePath()});
    }
    if (m_olderKitDialog->exec() != QDialog::Accepted)
        return;
    const QString folder = m_olderKitDialog->selectedFiles().value(0);
    const QString description = ExchangeMessages::olderKitDescription(folder);
    WindowImportQuestions questions(m_page, description);
    const auto import = m_document.kit().importOlderKit(folder, questions);
    if (!import)
        Messages::showError(m_page, QString::fromStdString(import.error().text()));
    else
        applyImport(*import, description);
}

void ExchangeActions::offerCarryOver()
{
    const auto &carryOver = m_document.kit().carryOver();
    if (!m_document.shifted() || !carryOver
        || !ExchangeMessages::askCarryOver(m_page, OpenKit::shiftText(*m_document.shifted())))
        return;
    applyImport(*carryOver, ExchangeMessages::carryOverDescription());
}

void ExchangeActions::applyImport(const OpenKit::Import &import, const QString &description)
{
    if (!import.taken)
        return;
    m_document.applyImport(import, description);
    // What lies outside the work (pictures kept aside, words, settings) is written at once.
    if (const Status kept = m_document.kit().keepMigrated(import, m_settings); !kept)
        Messages::showError(m_page, QString::fromStdString(kept.error().text()));
    if (!import.outcome.report.anyRefused())
        ExchangeMessages::importReport(m_page, description, import.report);
}

} // namespace orvanta
