#pragma once

#include "kit/OpenKit.h"

#include <QFileDialog>
#include <QObject>

namespace orvanta {

class KitDocument;
class KitSettings;

// The Texts page's exchange with other tools, each from a file dialog of
// its own, made when first used:
// - "Export texts..." ("ExportTextsDialog"): the texts as they stand, to a
//   PO, XLIFF or CSV file;
// - "Import texts..." ("ImportTextsDialog"): a PO, XLIFF or CSV file's
//   translations, asking which code page to read a file in that names
//   another, as one step that can be undone; nothing is saved;
// - "Take translations from an older kit..." ("OlderKitDialog"): an older
//   kit folder's translations carried over (KitMigration), as one step.
// An import or migration that refuses some translations asks before the
// rest is taken, and one that refuses none reports what it did. The kit
// decides (OpenKit::importFile, importOlderKit, exportTexts); these ask and
// show.
class ExchangeActions : public QObject {
    Q_OBJECT

public:
    // The document and the settings must outlive the actions; `page`
    // parents their dialogs and message boxes.
    ExchangeActions(KitDocument &document, KitSettings &settings, QWidget *page);

public slots:
    void exportTexts();
    void importTexts();
    void takeFromOlderKit();
    // When the kit opened with other sources in kvmain.dat than its
    // translations were saved against: asks whether to carry them over
    // (OpenKit::carryOver) as one step, or to leave the kit as it is.
    void offerCarryOver();

private:
    // The file chosen in the export or import dialog; empty when cancelled.
    QString chooseTextsFile(QFileDialog *&dialog, const char *name, QFileDialog::AcceptMode mode);
    // Applies an import or migration the translator took as one step named
    // `description` (the kit takes the code page it was read in with the
    // step) and shows what it did.
    void applyImport(const OpenKit::Import &import, const QString &description);

    KitDocument &m_document;
    KitSettings &m_settings;
    QWidget *m_page;
    QFileDialog *m_exportDialog = nullptr;
    QFileDialog *m_importDialog = nullptr;
    QFileDialog *m_olderKitDialog = nullptr;
};

} // namespace orvanta
